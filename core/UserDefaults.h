#pragma once

#include <QSettings>
#include <QString>

// Every user-defaults key of the program, with its type and its default, in one place.
// A missing key reads 0, false or an empty string; the typed accessors below apply the
// program's documented defaults on top of that rule.
namespace DefaultsKeys {
inline const QString decimalPlaces = QStringLiteral("DecimalPlaces");
inline const QString autoCheck = QStringLiteral("AutoCheck");
inline const QString autoDeleteTapes = QStringLiteral("AutoDeleteTapes");
inline const QString fade3DGridPreference = QStringLiteral("Fade3DGridPreference");
inline const QString drawerState = QStringLiteral("DrawerState");
inline const QString drawerWidth = QStringLiteral("DrawerWidth");
inline const QString tapeDrawerState = QStringLiteral("TapeDrawerState");
inline const QString tapeDrawerHeight = QStringLiteral("TapeDrawerHeight");
inline const QString tapeDrawerWidth = QStringLiteral("TapeDrawerWidth");
inline const QString tapeDrawerEdge = QStringLiteral("TapeDrawerEdge");
inline const QString graphicsDrawerState = QStringLiteral("GraphicsDrawerState");
inline const QString graphicsDrawerHeight = QStringLiteral("GraphicsDrawerHeight");
inline const QString appVersion = QStringLiteral("App Version");
inline const QString metaVersion = QStringLiteral("Meta Version");
inline const QString topTab = QStringLiteral("TopTab");
inline const QString bottomTab2D = QStringLiteral("2DBottomTab");
inline const QString bottomTab3D = QStringLiteral("3DBottomTab");
inline const QString gridXYPlane = QStringLiteral("3DGridxyPlane");
inline const QString gridXZPlane = QStringLiteral("3DGridxzPlane");
inline const QString gridZYPlane = QStringLiteral("3DGridzyPlane");
inline const QString gridXYZAxes = QStringLiteral("3DGridxyzAxes");
} // namespace DefaultsKeys

// Drawer states as stored: 1 open, 2 closed (0: missing, or the tape closed by its toggle).
enum class DrawerSetting { Missing = 0, Open = 1, Closed = 2 };

class UserDefaults {
public:
    UserDefaults();

    int integerForKey(const QString& key) const;
    bool boolForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;
    bool contains(const QString& key) const;
    void setInteger(const QString& key, int value);
    void setBool(const QString& key, bool value);
    void setString(const QString& key, const QString& value);
    void synchronize();

    // "DecimalPlaces": one digit 0 to 9; "2" when missing or unusable.
    int decimalPlaces() const;
    // Tape entries are made only while the tape drawer is stored as open.
    bool tapeDrawerOpen() const { return integerForKey(DefaultsKeys::tapeDrawerState) == 1; }
    QString tapeDrawerEdge() const;

private:
    QSettings m_settings;
};
