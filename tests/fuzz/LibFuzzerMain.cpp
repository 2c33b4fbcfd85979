// libFuzzer entry (clang, -fsanitize=fuzzer): runs one shared target, chosen at build
// time by POLYMETRA_FUZZ_TARGET, on its inputs.

#include "FuzzTargets.h"

#include <QGuiApplication>
#include <QLoggingCategory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    // Refusals are what most inputs lead to; logging each would drown the fuzzer's output.
    QLoggingCategory::setFilterRules(QStringLiteral("polymetra.update.*=false"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    POLYMETRA_FUZZ_TARGET(data, size);
    return 0;
}
