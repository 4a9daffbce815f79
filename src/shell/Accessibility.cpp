#include "shell/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

namespace {

// "&Encoding:" and "Choose File…" as a screen reader should say them.
QString spoken(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.remove(QRegularExpression(QStringLiteral("[:：…]+$")));
    return text.trimmed();
}

// Controls whose own text is their value (a menu's choice, a field's contents), not their name.
bool nameIsNotTheText(const QWidget* w)
{
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSlider*>(w)
        || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QAbstractItemView*>(w);
}

// The label that names `w`: the one whose buddy it is, or the buddy of the row that holds it (a
// form's field of several controls), or else the label just before it in its layout.
QString labelOf(const QWidget* w)
{
    const QList<QLabel*> labels = w->window()->findChildren<QLabel*>();
    for (const QWidget* named = w; named && !named->isWindow(); named = named->parentWidget())
        for (const QLabel* label : labels)
            if (label->buddy() == named)
                return spoken(label->text());
    const QWidget* parent = w->parentWidget();
    const QLayout* layout = parent ? parent->layout() : nullptr;
    const int at = layout ? layout->indexOf(const_cast<QWidget*>(w)) : -1;
    for (int i = at - 1; i >= 0; --i) {
        const auto* label = qobject_cast<const QLabel*>(layout->itemAt(i)->widget());
        if (layout->itemAt(i)->widget())
            return label && label->text().endsWith(QLatin1Char(':')) ? spoken(label->text())
                                                                     : QString();
    }
    return {};
}

bool isControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || nameIsNotTheText(w);
}

// The inner parts of a control (a menu's list, a spin box's field) and Qt's own parts of a
// container (a dock's title buttons, a tab bar, a scroll bar), which Qt names itself.
bool partOfAnother(const QWidget* w, const QWidget* root)
{
    if (w->inherits("QTabBar") || w->inherits("QScrollBar"))
        return true;
    for (const QWidget* p = w->parentWidget(); p && p != root; p = p->parentWidget())
        if (isControl(p) || p->inherits("QMenuBar") || p->inherits("QTabBar")
            || (p == w->parentWidget() && p->inherits("QDockWidget")))
            return true;
    return false;
}

QString firstClause(const QString& tip)
{
    return spoken(tip.section(QRegularExpression(QStringLiteral("[:;(.]")), 0, 0));
}

} // namespace

QList<QWidget*> controlsUnder(QWidget* root)
{
    QList<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (isControl(w) && !partOfAnother(w, root))
            controls.append(w);
    return controls;
}

void describeControls(QWidget* root)
{
    for (QWidget* w : controlsUnder(root)) {
        if (w->accessibleName().isEmpty()) {
            // A button's text names it, and follows it as it changes (Start, Stop).
            const auto* button = qobject_cast<const QAbstractButton*>(w);
            if (!button || spoken(button->text()).isEmpty()) {
                QString name = nameIsNotTheText(w) ? labelOf(w) : QString();
                if (name.isEmpty())
                    name = firstClause(w->toolTip());
                w->setAccessibleName(name);
            }
        }
        if (w->accessibleDescription().isEmpty())
            w->setAccessibleDescription(w->toolTip());
    }
}
