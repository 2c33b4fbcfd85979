#include "core/UserDefaults.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

// The one QSettings of the process. Each QSettings writes its file when it goes, so
// short-lived ones rewrote the file several times per launch; this one lives on and, as
// any QSettings does, writes when the event loop next turns after a change, at sync() and
// when it goes: at closeStore(), at the latest as the application object goes.
QSettings*& store()
{
    static QSettings* settings = nullptr;
    return settings;
}

QSettings& settings()
{
    QSettings*& s = store();
    if (!s) {
        s = new QSettings(QStringLiteral("Polymetra"), QStringLiteral("Polymetra"));
        if (QCoreApplication::instance()) {
            qRemovePostRoutine(&UserDefaults::closeStore);
            qAddPostRoutine(&UserDefaults::closeStore);
        }
    }
    return *s;
}

// A launch sets several values to what they already hold. Leaving those alone keeps the
// file from being rewritten, and synced to disk, before the window first paints; the file
// holds text, so the same text is the same value.
void put(const QString& key, const QVariant& value)
{
    QSettings& s = settings();
    const QVariant stored = s.value(key);
    if (stored.isValid() && stored.toString() == value.toString())
        return;
    s.setValue(key, value);
}

const QString plane = QStringLiteral("2D");
const QString solid = QStringLiteral("3D");
const QString left = QStringLiteral("Left");
const QString bottom = QStringLiteral("Bottom");

const QString& drawerStateKey(Drawer drawer)
{
    switch (drawer) {
    case Drawer::Info:
        return DefaultsKeys::drawerState;
    case Drawer::Tape:
        return DefaultsKeys::tapeDrawerState;
    case Drawer::Graphics:
        break;
    }
    return DefaultsKeys::graphicsDrawerState;
}

} // namespace

int UserDefaults::integerForKey(const QString& key) const
{
    bool ok = false;
    const int value = settings().value(key).toInt(&ok);
    return ok ? value : 0;
}

bool UserDefaults::boolForKey(const QString& key) const
{
    const QVariant value = settings().value(key);
    if (!value.isValid())
        return false;
    const QString text = value.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("yes") || text.toInt() != 0;
}

QString UserDefaults::stringForKey(const QString& key) const
{
    return settings().value(key).toString();
}

bool UserDefaults::contains(const QString& key) const
{
    return settings().contains(key);
}

void UserDefaults::setInteger(const QString& key, int value)
{
    put(key, value);
}

void UserDefaults::setBool(const QString& key, bool value)
{
    put(key, value);
}

void UserDefaults::setString(const QString& key, const QString& value)
{
    put(key, value);
}

void UserDefaults::synchronize()
{
    settings().sync();
}

void UserDefaults::closeStore()
{
    QSettings*& s = store();
    delete s;
    s = nullptr;
}

int UserDefaults::decimalPlaces() const
{
    const QString stored = stringForKey(DefaultsKeys::decimalPlaces);
    if (stored.size() == 1 && stored.front().isDigit())
        return stored.front().digitValue();
    return 2;
}

void UserDefaults::setDecimalPlaces(int places)
{
    setString(DefaultsKeys::decimalPlaces, QString::number(places));
}

DrawerSetting UserDefaults::drawerState(Drawer drawer) const
{
    switch (integerForKey(drawerStateKey(drawer))) {
    case int(DrawerSetting::Open):
        return DrawerSetting::Open;
    case int(DrawerSetting::Closed):
        return DrawerSetting::Closed;
    default:
        return DrawerSetting::Missing;
    }
}

void UserDefaults::setDrawerState(Drawer drawer, DrawerSetting state)
{
    setInteger(drawerStateKey(drawer), int(state));
}

TapeEdge UserDefaults::tapeEdge() const
{
    return stringForKey(DefaultsKeys::tapeDrawerEdge) == bottom ? TapeEdge::Bottom : TapeEdge::Left;
}

Language UserDefaults::language() const
{
    return LanguageChoice::fromStored(stringForKey(DefaultsKeys::language));
}

void UserDefaults::setLanguage(Language language)
{
    setString(DefaultsKeys::language, LanguageChoice::storedName(language));
}

void UserDefaults::setTapeEdge(TapeEdge edge)
{
    setString(DefaultsKeys::tapeDrawerEdge, tapeEdgeName(edge));
}

GridFade UserDefaults::gridFade() const
{
    switch (integerForKey(DefaultsKeys::fade3DGridPreference)) {
    case int(GridFade::Unset):
        return GridFade::Unset;
    case int(GridFade::Off):
        return GridFade::Off;
    default:
        return GridFade::On;
    }
}

void UserDefaults::setGridFade(GridFade fade)
{
    setInteger(DefaultsKeys::fade3DGridPreference, int(fade));
}

std::optional<TopTab> UserDefaults::topTab() const
{
    return topTabNamed(stringForKey(DefaultsKeys::topTab));
}

void UserDefaults::setTopTab(TopTab tab)
{
    setString(DefaultsKeys::topTab, topTabName(tab));
}

QString UserDefaults::bottomTab(TopTab family) const
{
    return stringForKey(family == TopTab::Plane ? DefaultsKeys::bottomTab2D
                                                : DefaultsKeys::bottomTab3D);
}

void UserDefaults::setBottomTab(TopTab family, const QString& shapeName)
{
    setString(family == TopTab::Plane ? DefaultsKeys::bottomTab2D : DefaultsKeys::bottomTab3D,
              shapeName);
}

QString UserDefaults::topTabName(TopTab tab)
{
    return tab == TopTab::Plane ? plane : solid;
}

std::optional<TopTab> UserDefaults::topTabNamed(const QString& name)
{
    if (name == plane)
        return TopTab::Plane;
    if (name == solid)
        return TopTab::Solid;
    return std::nullopt;
}

QString UserDefaults::tapeEdgeName(TapeEdge edge)
{
    return edge == TapeEdge::Bottom ? bottom : left;
}
