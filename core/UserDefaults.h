#pragma once

#include "core/LanguageChoice.h"

#include <QString>

#include <optional>

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
// The main window's place, size and state (QWidget::saveGeometry, in base 64).
// Whether the calculators show their working (a section under the fields).
inline const QString workingShown = QStringLiteral("WorkingShown");
inline const QString windowGeometry = QStringLiteral("MainWindowGeometry");
// The language chosen in the preferences, applied at the next launch:
// "System" (also for a missing or unknown value), "en", "de", "fr" or "es".
inline const QString language = QStringLiteral("Language");
} // namespace DefaultsKeys

// Drawer states as stored: 1 open, 2 closed (0: missing, or the tape closed by its toggle).
enum class DrawerSetting { Missing = 0, Open = 1, Closed = 2 };
enum class Drawer { Info, Tape, Graphics };
// "Fade3DGridPreference": 0 until the preferences were first opened, then 1 off, 2 on; the
// preferences show any other value as on.
enum class GridFade { Unset = 0, Off = 1, On = 2 };
// "TopTab": "2D" or "3D".
enum class TopTab { Plane, Solid };
// "TapeDrawerEdge": "Bottom", or "Left" (also for a missing or unknown value).
enum class TapeEdge { Left, Bottom };

// A handle on the program's settings. Every handle reads and writes one process-wide
// store, so a change is seen at once everywhere; the file is written once per batch of
// changes (when the event loop next runs), at synchronize() and when the store is closed.
class UserDefaults {
public:
    int integerForKey(const QString& key) const;
    bool boolForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;
    bool contains(const QString& key) const;
    void setInteger(const QString& key, int value);
    void setBool(const QString& key, bool value);
    void setString(const QString& key, const QString& value);
    void synchronize();

    // Writes what is pending and forgets the store; the next access reads the settings
    // file again. For a new settings location (QSettings::setPath), as tests make.
    static void closeStore();

    // "DecimalPlaces": one digit 0 to 9; "2" when missing or unusable.
    int decimalPlaces() const;
    void setDecimalPlaces(int places);
    DrawerSetting drawerState(Drawer drawer) const;
    void setDrawerState(Drawer drawer, DrawerSetting state);
    // Tape entries are made only while the tape drawer is stored as open.
    bool tapeDrawerOpen() const { return drawerState(Drawer::Tape) == DrawerSetting::Open; }
    TapeEdge tapeEdge() const;
    void setTapeEdge(TapeEdge edge);
    GridFade gridFade() const;
    void setGridFade(GridFade fade);
    Language language() const;
    void setLanguage(Language language);
    // Nothing for a missing value or one that names neither family.
    std::optional<TopTab> topTab() const;
    void setTopTab(TopTab tab);
    // The shape last selected in a family ("2DBottomTab", "3DBottomTab").
    QString bottomTab(TopTab family) const;
    void setBottomTab(TopTab family, const QString& shapeName);

    // How TopTab and TapeDrawerEdge are written in the settings file.
    static QString topTabName(TopTab tab);
    static std::optional<TopTab> topTabNamed(const QString& name);
    static QString tapeEdgeName(TapeEdge edge);
};
