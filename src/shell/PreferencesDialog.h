// Preferences: the Subtitles page sets the panel's look, shown on the panel as it is changed;
// the Keys page the keys that work while another program has the focus, taken as they are
// changed; on the Language page the interface's language, from the next start. OK keeps them in
// the settings file; Cancel puts them back as they were.
#pragma once

#include "control/GlobalKeys.h"
#include "control/PanelStyle.h"
#include "control/PortalKeys.h"

#include <QDialog>

#include <utility>
#include <vector>

class GlobalShortcuts;
class PreferencesStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QFontComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SubtitlePanel;

class PreferencesDialog final : public QDialog {
    Q_OBJECT

public:
    // Without `keys` there is no Keys page.
    PreferencesDialog(SubtitlePanel& panel, PreferencesStore& store, QWidget* parent = nullptr,
        GlobalShortcuts* keys = nullptr);

    // The style the controls describe.
    PanelStyle style() const;

    void done(int result) override;

signals:
    // OK stored a new second track placement, language or style.
    void secondTrackChanged();

private:
    void showStyle(const PanelStyle& style);
    void preview();
    QPushButton* colorButton(const QString& name);
    QWidget* keysPage();
    std::vector<globalkeys::Binding> bindings() const;
    // Takes the keys as the page shows them, and says beside each what was refused.
    void takeKeys();
    // What the desktop's portal gave, when it chooses the keys.
    void showPortal();
    QWidget* languagePage();

    SubtitlePanel& _panel;
    PreferencesStore& _store;
    PanelStyle _original;
    bool _showing = false; // controls being set from a style: no preview per control

    QFontComboBox* _family;
    QSpinBox* _size;
    QPushButton* _text;
    QSpinBox* _outline;
    QPushButton* _outlineColor;
    QSpinBox* _shadow;
    QPushButton* _shadowColor;
    QPushButton* _background;
    QSpinBox* _opacity;
    QComboBox* _align;
    QSpinBox* _maxWidth;

    // The Second Track page, kept on OK only.
    QComboBox* _placement;
    QLineEdit* _secondLanguage;
    QSpinBox* _secondSize;
    QPushButton* _secondText;
    GlobalShortcuts* _keys;
    QCheckBox* _keysOn = nullptr;
    struct KeyRow {
        globalkeys::Action action;
        QLineEdit* edit;
        QLabel* verdict;
    };
    std::vector<KeyRow> _keyRows;
    QLabel* _portalState = nullptr;
    std::vector<std::pair<globalkeys::Action, QLabel*>> _portalTriggers;
    QComboBox* _language;
};
