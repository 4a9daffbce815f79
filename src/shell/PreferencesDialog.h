// Preferences: the Subtitles page sets the panel's look, shown on the panel as it is changed.
// OK keeps it in the settings file; Cancel puts the panel back as it was.
#pragma once

#include "control/PanelStyle.h"

#include <QDialog>

class PreferencesStore;
class QComboBox;
class QFontComboBox;
class QLineEdit;
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

signals:
    // OK stored a new second track placement, language or style.
    void secondTrackChanged();

private:
    void showStyle(const PanelStyle& style);
    void preview();
    QPushButton* colorButton(const QString& name);

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
};
