#include "core/AlertPresenter.h"

#include "core/MessageBoxAlertPresenter.h"

namespace {
AlertPresenter* replacement = nullptr;
}

AlertPresenter& AlertPresenter::instance()
{
    static MessageBoxAlertPresenter standard;
    return replacement ? *replacement : standard;
}

void AlertPresenter::setInstance(AlertPresenter* presenter)
{
    replacement = presenter;
}
