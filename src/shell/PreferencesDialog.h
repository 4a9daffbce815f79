// Preferences: the Subtitles page sets the panel's look, shown on the panel as it is changed;
// the Language page the interface's language, from the next start. OK keeps both in the settings
// file; Cancel puts the panel back as it was.
#pragma once

#include "control/PanelStyle.h"

#include <QDialog>

class PreferencesStore;
class QComboBox;
class QFontComboBox;
class QPushButton;
class QSpinBox;
class SubtitlePanel;

class PreferencesDialog final : public QDialog {
    Q_OBJECT

public:
    PreferencesDialog(SubtitlePanel& panel, PreferencesStore& store, QWidget* parent = nullptr);

    // The style the controls describe.
    PanelStyle style() const;

    void done(int result) override;

private:
    void showStyle(const PanelStyle& style);
    void preview();
    QPushButton* colorButton(const QString& name);
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
    QComboBox* _language;
};
