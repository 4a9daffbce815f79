#include "shell/PreferencesDialog.h"

#include "control/PreferencesStore.h"
#include "control/Settings.h"
#include "shell/GlobalShortcuts.h"
#include "shell/Language.h"
#include "shell/SubtitlePanel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

const char* const rgbProperty = "rgb";

std::uint32_t rgbOf(const QPushButton* button)
{
    return button->property(rgbProperty).toUInt();
}

void setRgb(QPushButton* button, std::uint32_t rgb)
{
    button->setProperty(rgbProperty, rgb);
    const int side = button->fontMetrics().height();
    QPixmap swatch(QSize(side * 2, side) * button->devicePixelRatioF());
    swatch.setDevicePixelRatio(button->devicePixelRatioF());
    swatch.fill(QColor::fromRgb(rgb));
    button->setIcon(QIcon(swatch));
    button->setIconSize(QSize(side * 2, side));
    button->setText(QString::fromStdString(colorName(rgb)));
}

QSpinBox* spin(int low, int high, const QString& suffix, const QString& zero = {})
{
    auto* box = new QSpinBox;
    box->setRange(low, high);
    box->setSuffix(suffix);
    if (!zero.isEmpty())
        box->setSpecialValueText(zero);
    return box;
}

QWidget* row(std::initializer_list<QWidget*> widgets)
{
    auto* holder = new QWidget;
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch();
    return holder;
}

} // namespace

PreferencesDialog::PreferencesDialog(
    SubtitlePanel& panel, PreferencesStore& store, QWidget* parent, GlobalShortcuts* keys)
    : QDialog(parent)
    , _panel(panel)
    , _store(store)
    , _original(panel.panelStyle())
    , _family(new QFontComboBox)
    , _size(spin(6, 200, tr(" pt")))
    , _text(colorButton("textColor"))
    , _outline(spin(0, 20, tr(" px"), tr("None")))
    , _outlineColor(colorButton("outlineColor"))
    , _shadow(spin(0, 20, tr(" px"), tr("None")))
    , _shadowColor(colorButton("shadowColor"))
    , _background(colorButton("backgroundColor"))
    , _opacity(spin(0, 100, tr(" %")))
    , _align(new QComboBox)
    , _maxWidth(spin(20, 100, tr(" % of the panel")))
    , _placement(new QComboBox)
    , _secondLanguage(new QLineEdit)
    , _secondSize(spin(6, 200, tr(" pt")))
    , _secondText(colorButton("secondTextColor"))
    , _keys(keys)
    , _language(new QComboBox)
{
    setWindowTitle(tr("Preferences"));
    _family->setObjectName("fontFamily");
    _size->setObjectName("fontSize");
    _outline->setObjectName("outlineWidth");
    _shadow->setObjectName("shadowOffset");
    _opacity->setObjectName("backgroundOpacity");
    _align->setObjectName("alignment");
    _maxWidth->setObjectName("maxWidth");
    _align->addItems({ tr("Left"), tr("Centre"), tr("Right") });
    _opacity->setToolTip(tr("0 % shows the text only (on a desktop that composites windows)"));

    auto* subtitles = new QWidget;
    auto* form = new QFormLayout(subtitles);
    form->addRow(tr("Font:"), row({ _family, _size }));
    form->addRow(tr("Text colour:"), row({ _text }));
    form->addRow(tr("Outline:"), row({ _outline, _outlineColor }));
    form->addRow(tr("Shadow:"), row({ _shadow, _shadowColor }));
    form->addRow(tr("Background:"), row({ _background, _opacity }));
    auto* compositing = new QLabel(tr("A translucent background needs a desktop that composites "
                                      "windows; without one it is drawn solid."));
    compositing->setWordWrap(true);
    compositing->setEnabled(false); // a remark, greyed like a hint
    form->addRow(QString(), compositing);
    form->addRow(tr("Alignment:"), row({ _align }));
    form->addRow(tr("Maximum width:"), row({ _maxWidth }));

    _placement->setObjectName("secondPlacement");
    _placement->setToolTip(tr("Where the second track's line shows"));
    _placement->addItems({ tr("Under the first, in the panel"), tr("Over the first, in the panel"),
        tr("At the top of the screen") });
    _placement->setCurrentIndex(static_cast<int>(loadSecondPlacement(store)));
    _secondLanguage->setObjectName("secondLanguage");
    _secondLanguage->setPlaceholderText(tr("e.g. en"));
    _secondLanguage->setToolTip(tr("Following a player, movie.LANG.srt beside its video is loaded "
                                   "as the second track"));
    try {
        _secondLanguage->setText(QString::fromStdString(
            store.stringValue(std::string(settings::kSecondLanguage.name)).value_or("")));
    } catch (const PreferencesError&) {
        // Unreadable: none, as for a new user.
    }
    _secondSize->setObjectName("secondFontSize");
    _secondSize->setToolTip(tr("The size of the second track's text, in points"));
    _secondText->setToolTip(tr("Choose the colour of the second track's text"));
    const PanelStyle& second = panel.secondStyle();
    _secondSize->setValue(second.fontPoints);
    setRgb(_secondText, second.textRgb);
    auto* secondPage = new QWidget;
    auto* secondForm = new QFormLayout(secondPage);
    secondForm->addRow(tr("Shows:"), row({ _placement }));
    secondForm->addRow(tr("Size:"), row({ _secondSize }));
    secondForm->addRow(tr("Text colour:"), row({ _secondText }));
    secondForm->addRow(tr("Language beside a video:"), row({ _secondLanguage }));

    // What a screen reader says of each control: the form's labels name only a row's first.
    const std::pair<QWidget*, std::pair<QString, QString>> spoken[] = {
        { _family, { tr("Font"), tr("The typeface of the subtitles") } },
        { _size, { tr("Font size"), tr("The size of the subtitles' text, in points") } },
        { _text, { tr("Text colour"), tr("Choose the colour of the text") } },
        { _outline, { tr("Outline width"), tr("The width of the outline around the letters") } },
        { _outlineColor, { tr("Outline colour"), tr("Choose the colour of the outline") } },
        { _shadow, { tr("Shadow offset"), tr("How far the shadow falls from the letters") } },
        { _shadowColor, { tr("Shadow colour"), tr("Choose the colour of the shadow") } },
        { _background,
            { tr("Background colour"), tr("Choose the colour of the band behind the text") } },
        { _opacity, { tr("Background opacity"), _opacity->toolTip() } },
        { _align, { tr("Alignment"), tr("Where the lines sit in the panel") } },
        { _maxWidth,
            { tr("Maximum width"), tr("The widest a line may be, as a share of the panel") } },
    };
    for (const auto& [control, words] : spoken) {
        control->setAccessibleName(words.first);
        control->setAccessibleDescription(words.second);
    }

    auto* pages = new QTabWidget;
    pages->addTab(subtitles, tr("Subtitles"));
    pages->addTab(secondPage, tr("Second Track"));
    if (_keys)
        pages->addTab(keysPage(), tr("Keys"));
    pages->addTab(languagePage(), tr("Language"));
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(
        buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this, [this] {
            showStyle(PanelStyle{});
            preview();
        });
    buttons->button(QDialogButtonBox::Ok)->setAccessibleDescription(tr("Keep these settings"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setAccessibleDescription(tr("Put the panel back as it was"));
    buttons->button(QDialogButtonBox::RestoreDefaults)
        ->setAccessibleDescription(tr("Show the panel's default look"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);

    showStyle(_original);
    connect(_family, &QFontComboBox::currentFontChanged, this, &PreferencesDialog::preview);
    for (QSpinBox* box : { _size, _outline, _shadow, _opacity, _maxWidth })
        connect(box, &QSpinBox::valueChanged, this, &PreferencesDialog::preview);
    connect(_align, &QComboBox::currentIndexChanged, this, &PreferencesDialog::preview);
}

QWidget* PreferencesDialog::languagePage()
{
    _language->setObjectName("language");
    // The C locale has no language name of its own: its code says at least which it is.
    const QString system = QLocale::system().nativeLanguageName();
    _language->addItem(
        tr("As the system (%1)").arg(system.isEmpty() ? QLocale::system().name() : system),
        QString());
    _language->addItem(QStringLiteral("English"), QStringLiteral("en"));
    for (const QString& locale : shippedLanguages())
        _language->addItem(nativeLanguageName(locale), locale);
    const int stored = _language->findData(Language::storedChoice(_store));
    _language->setCurrentIndex(std::max(stored, 0));
    _language->setAccessibleName(tr("Language"));
    _language->setAccessibleDescription(tr("The language of the menus, buttons and messages"));

    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(tr("Language:"), row({ _language }));
    auto* when = new QLabel(tr("A change takes effect the next time Subclock starts."));
    when->setWordWrap(true);
    when->setEnabled(false);
    form->addRow(QString(), when);
    return page;
}

QPushButton* PreferencesDialog::colorButton(const QString& name)
{
    auto* button = new QPushButton;
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, button] {
        const QColor chosen = QColorDialog::getColor(QColor::fromRgb(rgbOf(button)), this);
        if (!chosen.isValid())
            return;
        setRgb(button, chosen.rgb() & 0xFFFFFF);
        preview();
    });
    return button;
}

void PreferencesDialog::showStyle(const PanelStyle& s)
{
    _showing = true;
    _family->setCurrentFont(QFont(QString::fromStdString(s.fontFamily)));
    _size->setValue(s.fontPoints);
    setRgb(_text, s.textRgb);
    _outline->setValue(s.outlinePixels);
    setRgb(_outlineColor, s.outlineRgb);
    _shadow->setValue(s.shadowPixels);
    setRgb(_shadowColor, s.shadowRgb);
    setRgb(_background, s.backgroundRgb);
    _opacity->setValue(s.backgroundPercent);
    _align->setCurrentIndex(static_cast<int>(s.align));
    _maxWidth->setValue(s.maxWidthPercent);
    _showing = false;
}

PanelStyle PreferencesDialog::style() const
{
    PanelStyle s = _original;
    // The family as the user chose it; an unchanged choice keeps the stored name (a generic
    // name like "Sans Serif" resolves to a concrete family in the list).
    const QString family = _family->currentFont().family();
    if (QFont(QString::fromStdString(_original.fontFamily)).family() != family)
        s.fontFamily = family.toStdString();
    s.fontPoints = _size->value();
    s.textRgb = rgbOf(_text);
    s.outlinePixels = _outline->value();
    s.outlineRgb = rgbOf(_outlineColor);
    s.shadowPixels = _shadow->value();
    s.shadowRgb = rgbOf(_shadowColor);
    s.backgroundRgb = rgbOf(_background);
    s.backgroundPercent = _opacity->value();
    s.align = static_cast<PanelStyle::Align>(_align->currentIndex());
    s.maxWidthPercent = _maxWidth->value();
    return s;
}

void PreferencesDialog::preview()
{
    if (!_showing)
        _panel.setPanelStyle(style());
}

QWidget* PreferencesDialog::keysPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    _keysOn = new QCheckBox(tr("Keys work while another program has the focus"));
    _keysOn->setObjectName("globalKeys");
    _keysOn->setToolTip(tr("Grab the keys below for Subclock on the whole desktop"));
    _keysOn->setChecked(GlobalShortcuts::storedOn(_store));
    form->addRow(_keysOn);
    if (const QString caveat = _keys->caveat(); !caveat.isEmpty()) {
        auto* note = new QLabel(caveat);
        note->setWordWrap(true);
        form->addRow(note);
    }
    if (!_keys->available()) {
        _keysOn->setChecked(false);
        _keysOn->setEnabled(false);
        auto* why = new QLabel(_keys->whyNot());
        why->setObjectName("globalKeysWhyNot");
        why->setWordWrap(true);
        form->addRow(why);
    }
    const QString names[] = { tr("Start / Stop:"), tr("Subtitles 100 ms later:"),
        tr("Subtitles 100 ms earlier:"), tr("Previous subtitle:"), tr("Next subtitle:") };
    if (_keys->route() == globalkeys::Route::Portal) {
        // The desktop chooses the keys: the page shows what it gave.
        _portalState = new QLabel;
        _portalState->setObjectName("globalKeysPortalState");
        _portalState->setWordWrap(true);
        form->addRow(_portalState);
        for (std::size_t i = 0; i < globalkeys::kActions.size(); ++i) {
            const globalkeys::ActionName& a = globalkeys::kActions[i];
            auto* trigger = new QLabel;
            trigger->setObjectName(
                QString::fromLatin1(a.name.data(), static_cast<int>(a.name.size())));
            form->addRow(names[i], trigger);
            _portalTriggers.emplace_back(a.action, trigger);
        }
        connect(_keys, &GlobalShortcuts::portalChanged, this, &PreferencesDialog::showPortal);
        connect(_keysOn, &QCheckBox::toggled, this, &PreferencesDialog::takeKeys);
        takeKeys();
        showPortal();
        return page;
    }
    const std::vector<globalkeys::Binding> stored = GlobalShortcuts::storedBindings(_store);
    for (std::size_t i = 0; i < globalkeys::kActions.size(); ++i) {
        const globalkeys::ActionName& a = globalkeys::kActions[i];
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(a.name.data(), static_cast<int>(a.name.size())));
        edit->setPlaceholderText(tr("for example Ctrl+Alt+Space"));
        for (const globalkeys::Binding& b : stored) {
            if (b.action == a.action)
                edit->setText(QString::fromStdString(b.text));
        }
        auto* verdict = new QLabel;
        verdict->setWordWrap(true);
        form->addRow(names[i], edit);
        form->addRow(QString(), verdict);
        _keyRows.push_back({ a.action, edit, verdict });
        connect(edit, &QLineEdit::editingFinished, this, &PreferencesDialog::takeKeys);
    }
    connect(_keysOn, &QCheckBox::toggled, this, &PreferencesDialog::takeKeys);
    takeKeys();
    return page;
}

std::vector<globalkeys::Binding> PreferencesDialog::bindings() const
{
    // Through the portal there is nothing to type: the stored keys are offered as they are.
    if (_keyRows.empty())
        return GlobalShortcuts::storedBindings(_store);
    std::vector<globalkeys::Binding> bindings;
    for (const KeyRow& row : _keyRows)
        bindings.push_back({ row.action, row.edit->text().trimmed().toStdString() });
    return bindings;
}

void PreferencesDialog::takeKeys()
{
    for (const KeyRow& row : _keyRows)
        row.verdict->clear();
    if (!_keysOn->isChecked()) {
        _keys->release();
        return;
    }
    for (const globalkeys::Verdict& v : _keys->apply(bindings())) {
        for (const KeyRow& row : _keyRows) {
            if (row.action == v.action && v.refusal != globalkeys::Refusal::None)
                row.verdict->setText(GlobalShortcuts::refusalText(v.refusal,
                    v.keys ? QString::fromStdString(globalkeys::keysText(*v.keys))
                           : row.edit->text()));
        }
    }
}

void PreferencesDialog::showPortal()
{
    const globalkeys::PortalSession& session = _keys->portalSession();
    _portalState->setText(GlobalShortcuts::portalStateText(session.state()));
    for (const auto& [action, label] : _portalTriggers) {
        const std::string trigger = session.trigger(action);
        if (session.state() != globalkeys::PortalState::Bound)
            label->clear();
        else
            label->setText(trigger.empty() ? tr("no key") : QString::fromStdString(trigger));
    }
}

void PreferencesDialog::done(int result)
{
    if (result == QDialog::Accepted) {
        const PanelStyle chosen = style();
        _panel.setPanelStyle(chosen);
        chosen.save(_store);
        PanelStyle second = _panel.secondStyle();
        second.fontPoints = _secondSize->value();
        second.textRgb = rgbOf(_secondText);
        second.saveSecond(_store);
        _store.setInt(std::string(settings::kSecondPlacement.name), _placement->currentIndex());
        _store.setString(std::string(settings::kSecondLanguage.name),
            _secondLanguage->text().trimmed().toStdString());
        emit secondTrackChanged();
        if (_keys)
            GlobalShortcuts::store(_store, _keysOn->isChecked(), bindings());
        _store.setString(std::string(settings::kLanguage.name),
            _language->currentData().toString().toStdString());
    } else {
        _panel.setPanelStyle(_original);
        if (_keys)
            _keys->applyStored(_store);
    }
    QDialog::done(result);
}
