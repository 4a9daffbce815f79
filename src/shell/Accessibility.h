// What assistive technology hears of the windows: a name and a description for every control.
#pragma once

#include <QList>

class QWidget;

// Names each control under `root` that has no name of its own (a button's text is one; a menu, a
// slider or a field takes its label's, else the first clause of its tooltip) and describes each
// by its tooltip. Explicit names and descriptions are kept. Call once the controls exist, after
// translation; controls made later need a call of their own.
void describeControls(QWidget* root);

// The controls under `root` that describeControls() names: buttons, menus, sliders, fields, spin
// boxes and lists, without their inner parts and Qt's own parts of containers.
QList<QWidget*> controlsUnder(QWidget* root);
