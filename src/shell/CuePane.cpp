// The Timing pane's widgets, its keys, and the files it reads and writes.
#include "shell/CuePane.h"

#include "cueing/Script.h"
#include "platform/AtomicFile.h"
#include "shell/QtAdapters.h"
#include "subtitles/SrtWriter.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum Column { kNumber, kStart, kEnd, kDuration, kText, kColumns };

} // namespace

// The cue list as the table shows it; only the text is edited in place.
class CueTableModel final : public QAbstractTableModel {
    Q_DECLARE_TR_FUNCTIONS(CueTableModel)

public:
    CueTableModel(CueSheet& sheet, QObject* parent)
        : QAbstractTableModel(parent)
        , _sheet(sheet)
    {
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(_sheet.cues().size());
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : kColumns;
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        const TimedCue& cue = _sheet.cues()[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
        case kNumber:
            return index.row() + 1;
        case kStart:
            return QString::fromStdString(srtTime(cue.start));
        case kEnd:
            return QString::fromStdString(srtTime(cue.end));
        case kDuration:
            return QString::number(cue.end - cue.start, 'f', 3);
        default:
            return QString::fromStdString(cue.text);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char* const titles[] = { QT_TR_NOOP("#"), QT_TR_NOOP("Start"),
            QT_TR_NOOP("End"), QT_TR_NOOP("Duration"), QT_TR_NOOP("Text") };
        return tr(titles[section]);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
        return index.column() == kText ? flags | Qt::ItemIsEditable : flags;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || index.column() != kText || role != Qt::EditRole)
            return false;
        _sheet.setText(static_cast<std::size_t>(index.row()), value.toString().toStdString());
        return true;
    }

    // The sheet has changed under the view.
    void reload()
    {
        beginResetModel();
        endResetModel();
    }

private:
    CueSheet& _sheet;
};

namespace {

// Texts have several lines, so they are edited in a multi-line field.
class TextDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QPlainTextEdit(parent);
        editor->setTabChangesFocus(true);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QPlainTextEdit*>(editor)->setPlainText(index.data(Qt::EditRole).toString());
    }
    void setModelData(
        QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QPlainTextEdit*>(editor)->toPlainText());
    }
    void updateEditorGeometry(
        QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        QRect rect = option.rect;
        rect.setHeight(std::max(rect.height(), 4 * option.fontMetrics.height()));
        editor->setGeometry(rect);
    }
};

// Where a typed N is a letter, not a hold.
bool typingIn(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
        || qobject_cast<const QPlainTextEdit*>(widget)
        || qobject_cast<const QAbstractSpinBox*>(widget);
}

} // namespace

CuePane::CuePane(CueSession& session, QMainWindow& window)
    : QDockWidget(QObject::tr("Timing"), &window)
    , _session(session)
    , _window(window)
{
    setObjectName("cuePane");
    build();
    window.addDockWidget(Qt::BottomDockWidgetArea, this);

    QAction* toggle = toggleViewAction();
    toggle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    toggle->setShortcutContext(Qt::ApplicationShortcut);
    toggle->setToolTip(tr("Show or hide the Timing pane (Ctrl+T)"));
    window.addAction(toggle);
    // Room for the cue list beside the clock the first time the pane shows.
    connect(toggle, &QAction::toggled, this, [this](bool shown) {
        if (shown && _window.height() < 600)
            _window.resize(std::max(_window.width(), 640), 640);
    });

    _session.sheet().addListener([this] { refresh(); });
    // A key's release counts once no repeat has followed it.
    _settle = new QTimer(this);
    _settle->setSingleShot(true);
    _settle->setInterval(static_cast<int>(HoldToTime::kRepeatGap * 1000) + 20);
    connect(_settle, &QTimer::timeout, this, [this] {
        _session.settle();
        _holdButton->setDown(_session.holding());
    });
    qApp->installEventFilter(this);
    _holdButton->installEventFilter(this);
    // The key-up of a hold goes to whichever application has the keyboard by then.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive && _session.holding()) {
            _session.interrupt();
            _holdButton->setDown(false);
        }
    });
    refresh();
    setVisible(_session.offered().has_value());
}

CuePane::~CuePane()
{
    qApp->removeEventFilter(this);
}

void CuePane::build()
{
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);

    _restoreBar = new QWidget(body);
    auto* restoreLayout = new QHBoxLayout(_restoreBar);
    restoreLayout->setContentsMargins(0, 0, 0, 0);
    _restoreText = new QLabel(_restoreBar);
    _restoreText->setWordWrap(true);
    auto* restore = new QPushButton(tr("Restore"), _restoreBar);
    restore->setToolTip(tr("Take up the last session's cues and script again"));
    auto* dismiss = new QPushButton(tr("Dismiss"), _restoreBar);
    dismiss->setToolTip(tr("Start afresh; the last session stays on disk"));
    restoreLayout->addWidget(_restoreText, 1);
    restoreLayout->addWidget(restore);
    restoreLayout->addWidget(dismiss);
    layout->addWidget(_restoreBar);
    connect(restore, &QPushButton::clicked, this, [this] { _session.restoreOffered(); });
    connect(dismiss, &QPushButton::clicked, this, [this] {
        _session.dismissOffer();
        refresh();
    });

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, body);
        b->setToolTip(tip);
        b->setFocusPolicy(Qt::TabFocus);
        buttons->addWidget(b);
        return b;
    };
    _holdButton = button(tr("Hold to time"),
        tr("Hold down to make a cue: press at its start, let go at its end (or hold N)"));
    QPushButton* openScript = button(tr("Open Script…"),
        tr("A plain-text script: one subtitle per paragraph, paragraphs apart by blank lines"));
    QPushButton* save = button(tr("Save Cues As…"), tr("Write the cues as a SubRip file"));
    QPushButton* copy = button(tr("Copy as SRT"), tr("Put the cues on the clipboard as SubRip"));
    QPushButton* remove = button(tr("Delete"), tr("Delete the selected cues (Delete)"));
    buttons->addStretch(1);
    layout->addLayout(buttons);
    connect(openScript, &QPushButton::clicked, this, [this] { chooseScript(); });
    connect(save, &QPushButton::clicked, this, [this] { chooseSaveFile(); });
    connect(copy, &QPushButton::clicked, this, [this] { copyAsSrt(); });
    connect(remove, &QPushButton::clicked, this, [this] { deleteSelected(); });

    _progress = new QLabel(body);
    layout->addWidget(_progress);
    _upNext = new QLabel(body);
    _upNext->setObjectName("upNext");
    QFont large = _upNext->font();
    large.setPointSize(20);
    _upNext->setFont(large);
    _upNext->setWordWrap(true);
    _upNext->setTextFormat(Qt::PlainText);
    _upNext->setAlignment(Qt::AlignCenter);
    _upNext->setMinimumHeight(3 * QFontMetrics(large).height());
    layout->addWidget(_upNext);

    _model = new CueTableModel(_session.sheet(), this);
    _table = new QTableView(body);
    _table->setModel(_model);
    _table->setAccessibleName(tr("Cues"));
    _table->setAccessibleDescription(
        tr("The cues made, with their times and texts; Delete removes the selected ones"));
    _table->setItemDelegateForColumn(kText, new TextDelegate(_table));
    _table->setSelectionBehavior(QAbstractItemView::SelectRows);
    _table->verticalHeader()->hide();
    _table->horizontalHeader()->setStretchLastSection(true);
    // Not on any key: a letter typed into the list is more likely a slip than an edit.
    _table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    layout->addWidget(_table, 1);

    _status = new QLabel(body);
    _status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(_status);
    setWidget(body);

    auto* del = new QShortcut(QKeySequence::Delete, _table, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, this, [this] { deleteSelected(); });
    // Anywhere in the main window: a slip is usually noticed with the focus on the clock.
    auto* undo = new QShortcut(QKeySequence::Undo, &_window);
    connect(undo, &QShortcut::activated, this, [this] { _session.sheet().undo(); });
}

void CuePane::refresh()
{
    const CueSheet& sheet = _session.sheet();
    const CueState& state = sheet.state();
    // The list is read afresh on every change; the row the user is on stays current.
    const QModelIndex current = _table->currentIndex();
    _model->reload();
    if (current.isValid() && current.row() < _model->rowCount({}))
        _table->setCurrentIndex(_model->index(current.row(), current.column()));
    _table->resizeColumnsToContents();
    _table->resizeRowsToContents();
    _table->horizontalHeader()->setStretchLastSection(true);

    const std::size_t count = state.paragraphs->size();
    if (count == 0) {
        _progress->setText(
            tr("No script: cues get empty texts. Hold N or the button to time one."));
        _upNext->clear();
    } else {
        const QString name = QString::fromStdString(state.scriptName);
        _progress->setText(state.next < count
                ? tr("%1: paragraph %2 of %3 next (Ctrl+Right skips it, Ctrl+Left goes back)")
                      .arg(name)
                      .arg(state.next + 1)
                      .arg(count)
                : tr("%1: all %2 paragraphs used (Ctrl+Left goes back)").arg(name).arg(count));
        const std::string* next = sheet.upNext();
        _upNext->setText(next ? QString::fromStdString(*next) : tr("(end of the script)"));
    }

    if (_session.saveFailed())
        _status->setText(
            tr("Could not save the session to %1").arg(fromLocalPath(_session.sessionPath())));
    else if (!_session.sessionPath().empty())
        _status->setText(tr("Saved to %1").arg(fromLocalPath(_session.sessionPath())));

    const std::optional<SavedSession>& offered = _session.offered();
    _restoreBar->setVisible(offered.has_value());
    if (offered) {
        const QString script = offered->state.scriptName.empty()
            ? tr("no script")
            : QString::fromStdString(offered->state.scriptName);
        const int cues = static_cast<int>(offered->state.cues.size());
        _restoreText->setText(tr("Restore the last session? %1, begun %2, %3.")
                                  .arg(script, QString::fromStdString(offered->began),
                                      cues == 1 ? tr("1 cue") : tr("%1 cues").arg(cues)));
    }
}

bool CuePane::openScript(const QString& path)
{
    const std::optional<std::string> bytes = readWholeFile(resolveLocalPath(path));
    std::optional<std::string> text = bytes ? script::decode(*bytes) : std::nullopt;
    if (!text) {
        QMessageBox::warning(&_window, tr("Open Script"),
            bytes ? tr("“%1” is not text in any encoding Subclock knows.").arg(path)
                  : tr("“%1” could not be read.").arg(path));
        return false;
    }
    _session.sheet().openScript(
        QFileInfo(path).fileName().toStdString(), script::paragraphs(*text));
    return true;
}

bool CuePane::saveCues(const QString& path, bool crlf)
{
    const std::string srt = writeSrt(_session.sheet().written(), crlf ? "\r\n" : "\n");
    if (writeFileAtomically(resolveLocalPath(path), srt))
        return true;
    QMessageBox::warning(
        &_window, tr("Save Cues As"), tr("The cues could not be written to “%1”.").arg(path));
    return false;
}

void CuePane::copyAsSrt()
{
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(writeSrt(_session.sheet().written(), "\n")));
}

void CuePane::chooseScript()
{
    const QString path = QFileDialog::getOpenFileName(
        &_window, tr("Open Script"), {}, tr("Text files (*.txt);;All files (*)"));
    if (!path.isEmpty())
        openScript(path);
}

void CuePane::chooseSaveFile()
{
    // The line ending is part of the choice of file type.
    const QString crlf = tr("SubRip, Windows line endings (*.srt)");
    const QString lf = tr("SubRip, Unix line endings (*.srt)");
    QFileDialog dialog(&_window, tr("Save Cues As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({ crlf, lf });
    dialog.setDefaultSuffix("srt");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        saveCues(dialog.selectedFiles().first(), dialog.selectedNameFilter() != lf);
}

void CuePane::deleteSelected()
{
    QModelIndexList rows = _table->selectionModel()->selectedRows();
    // From the bottom up, so the rows still to go keep their numbers.
    std::sort(rows.begin(), rows.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() > b.row(); });
    for (const QModelIndex& row : rows)
        _session.sheet().remove(static_cast<std::size_t>(row.row()));
}

bool CuePane::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == _holdButton
        && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (type == QEvent::MouseButtonPress)
                _session.press(HoldToTime::Source::mouse, false);
            else
                _session.release(HoldToTime::Source::mouse, false);
        }
        return false; // the button still shows itself pressed
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QWidget* focus = QApplication::focusWidget();
    if (typingIn(focus) || QApplication::activeModalWidget())
        return false;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;

    if (key->key() == Qt::Key_N && modifiers == Qt::NoModifier
        && type != QEvent::ShortcutOverride) {
        if (type == QEvent::KeyPress) {
            _session.press(HoldToTime::Source::key, key->isAutoRepeat());
            _holdButton->setDown(_session.holding());
        } else {
            _session.release(HoldToTime::Source::key, key->isAutoRepeat());
            if (_session.releasePending())
                _settle->start();
        }
        return true;
    }
    // Only inside the pane: elsewhere Ctrl+Left and Ctrl+Right may have other uses. Taking the
    // override keeps an application-wide shortcut on the same keys from firing here.
    if ((key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)
        && modifiers == Qt::ControlModifier && focus && isAncestorOf(focus)) {
        if (type == QEvent::ShortcutOverride) {
            key->accept();
            return true;
        }
        if (type == QEvent::KeyPress) {
            if (key->key() == Qt::Key_Right)
                _session.sheet().skip();
            else
                _session.sheet().back();
        }
        return true;
    }
    return false;
}
