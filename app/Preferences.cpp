#include "app/Preferences.h"

#include "app/MainWindow.h"
#include "app/ModalInputGuard.h"
#include "app/PanelState.h"
#include "app/PreferencesDialog.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/UserDefaults.h"

#include <QLocale>

Preferences::Preferences(MainWindow* window, PanelState* panels, QObject* parent)
    : QObject(parent), m_window(window), m_dialog(new PreferencesDialog(window)),
      m_guard(new ModalInputGuard(this))
{
    connect(m_dialog, &QDialog::accepted, this, &Preferences::store);
    connect(m_dialog, &QDialog::finished, m_guard, &ModalInputGuard::release);
    connect(m_dialog, &PreferencesDialog::edgeChosen, panels, &PanelState::moveTape);
    connect(m_dialog, &PreferencesDialog::fadeToggled, this, &Preferences::setFade);
}

void Preferences::applyNumberFormat()
{
    const QString separator = QLocale().decimalPoint();
    NumberFormatter::setShared(
        NumberFormatter(UserDefaults().decimalPlaces(),
                        separator.isEmpty() ? QLatin1Char('.') : separator.front()));
}

void Preferences::open()
{
    UserDefaults defaults;
    // The grid fades until the user says otherwise.
    if (defaults.gridFade() == GridFade::Unset)
        defaults.setGridFade(GridFade::On);
    m_dialog->setValues(
        {defaults.decimalPlaces(), defaults.boolForKey(DefaultsKeys::autoDeleteTapes),
         defaults.boolForKey(DefaultsKeys::autoCheck), defaults.gridFade() != GridFade::Off,
         defaults.tapeEdge(), defaults.language()});
    m_dialog->open();
    m_guard->guard(m_window, m_dialog);
}

void Preferences::store()
{
    const PreferencesValues values = m_dialog->values();
    UserDefaults defaults;
    defaults.setDecimalPlaces(values.decimalPlaces);
    applyNumberFormat();
    defaults.setBool(DefaultsKeys::autoCheck, values.autoCheck);
    defaults.setBool(DefaultsKeys::autoDeleteTapes, values.autoDeleteTapes);
    // Read at the next launch: every text is built in one language.
    defaults.setLanguage(values.language);
}

void Preferences::setFade(bool fade)
{
    UserDefaults().setGridFade(fade ? GridFade::On : GridFade::Off);
    emit NotificationHub::instance().calculateAndDraw3DFigures();
}
