// A table model over the cue list; the rows are read from the entries as they are drawn.
#include "shell/SubtitleList.h"

#include "subtitles/SrtWriter.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString clockText(double seconds)
{
    // Before zero after a negative delay: shown as such rather than as zero.
    if (seconds < -0.0005)
        return QString::fromUtf8("\u2212") + QString::fromStdString(srtTime(-seconds));
    return QString::fromStdString(srtTime(seconds));
}

} // namespace

class SubtitleList::Model final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void set(const SharedCues& cues, const Timing& timing)
    {
        if (cues == _cues && timing == _timing)
            return;
        beginResetModel();
        _cues = cues;
        _timing = timing;
        _current = Cues::kNone;
        endResetModel();
    }
    // False when nothing changed.
    bool setSecond(const SharedCues& cues, const Timing& timing)
    {
        if (cues == _second && timing == _secondTiming)
            return false;
        beginResetModel();
        _second = cues;
        _secondTiming = timing;
        _current = Cues::kNone;
        endResetModel();
        return true;
    }
    // False when `index` was current already.
    bool setCurrent(std::int32_t index)
    {
        if (index == _current)
            return false;
        const std::int32_t before = _current;
        _current = index;
        for (const std::int32_t row : { before, index }) {
            if (row >= 0 && row < rowCount())
                emit dataChanged(this->index(row, 0), this->index(row, columnCount() - 1),
                    { Qt::BackgroundRole, Qt::ForegroundRole });
        }
        return true;
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || !_cues ? 0 : static_cast<int>(_cues->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : _second ? 5 : 4;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        switch (section) {
        case 0:
            return QCoreApplication::translate("SubtitleList", "#");
        case 1:
            return QCoreApplication::translate("SubtitleList", "Start");
        case 2:
            return QCoreApplication::translate("SubtitleList", "End");
        case 3:
            return QCoreApplication::translate("SubtitleList", "Text");
        default:
            return QCoreApplication::translate("SubtitleList", "Second Track");
        }
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || !_cues)
            return {};
        if (role == Qt::BackgroundRole)
            return index.row() == _current ? QVariant(QPalette().highlight()) : QVariant();
        if (role == Qt::ForegroundRole)
            return index.row() == _current ? QVariant(QPalette().highlightedText()) : QVariant();
        if (role != Qt::DisplayRole)
            return {};
        const SrtMessage& e = *_cues->entries()[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
        case 0:
            return e.numberData();
        case 1:
            return clockText(_timing.toClock(e.startTimeData()));
        case 2:
            return clockText(_timing.toClock(e.endTimeData()));
        case 3:
            return oneLine(e.message().value_or(std::string{}));
        default: {
            // Aligned by time: what the second track shows halfway through this entry.
            const double middle = _timing.toClock((e.startTimeData() + e.endTimeData()) / 2);
            const std::string* second = _second->textAt(_secondTiming.toFile(middle));
            return second ? oneLine(*second) : QVariant();
        }
        }
    }

private:
    // One line per row: the text's own line breaks shown as " / ".
    static QString oneLine(const std::string& text)
    {
        return QString::fromStdString(text)
            .trimmed()
            .replace(QLatin1String("\r\n"), QLatin1String(" / "))
            .replace(QLatin1Char('\n'), QLatin1String(" / "));
    }

    SharedCues _cues;
    Timing _timing;
    SharedCues _second;
    Timing _secondTiming;
    std::int32_t _current = Cues::kNone;
};

SubtitleList::SubtitleList(QWidget* parent, GoHandler onGo)
    : QWidget(parent, Qt::Window)
    , _model(new Model(this))
    , _proxy(new QSortFilterProxyModel(this))
    , _filter(new QLineEdit(this))
    , _view(new QTableView(this))
{
    setWindowTitle(tr("Subtitles"));
    resize(520, 480);
    _proxy->setSourceModel(_model);
    _proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    _proxy->setFilterKeyColumn(-1);
    _filter->setPlaceholderText(tr("Filter"));
    _filter->setClearButtonEnabled(true);
    // Typed into only when clicked or reached by Tab, so Space and the letter keys keep playing
    // from the list.
    _filter->setFocusPolicy(Qt::StrongFocus);
    _filter->setAccessibleName(tr("Filter"));
    _filter->setAccessibleDescription(tr("Show only the subtitles that contain this text"));
    QObject::connect(_filter, &QLineEdit::textChanged, _proxy,
        [this](const QString& text) { _proxy->setFilterFixedString(text); });

    _view->setModel(_proxy);
    _view->setAccessibleName(tr("Subtitles"));
    _view->setAccessibleDescription(tr("Every subtitle of the file; double-click one to go to it"));
    _view->setSelectionBehavior(QAbstractItemView::SelectRows);
    _view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    _view->setWordWrap(false);
    _view->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing is measured row by row, whatever the size.
    _view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    _view->horizontalHeader()->setStretchLastSection(true);
    const int timeWidth = _view->fontMetrics().horizontalAdvance("\u221200:00:00,000") + 12;
    _view->setColumnWidth(0, _view->fontMetrics().horizontalAdvance("00000") + 12);
    _view->setColumnWidth(1, timeWidth);
    _view->setColumnWidth(2, timeWidth);
    QObject::connect(_view, &QAbstractItemView::doubleClicked, this,
        [this, onGo = std::move(onGo)](const QModelIndex& index) {
            const QModelIndex source = _proxy->mapToSource(index);
            if (source.isValid())
                onGo(static_cast<std::size_t>(source.row()));
        });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(_filter);
    layout->addWidget(_view);
}

SubtitleList::~SubtitleList() = default;

void SubtitleList::setCues(const SharedCues& cues, const Timing& timing)
{
    _model->set(cues, timing);
}

void SubtitleList::setSecondCues(const SharedCues& cues, const Timing& timing)
{
    if (!_model->setSecond(cues, timing))
        return;
    // Beside each other, the first track's text no longer takes all the room left.
    if (cues) {
        resize(std::max(width(), 760), height());
        _view->setColumnWidth(
            3, (_view->width() - _view->columnWidth(0) - 2 * _view->columnWidth(1)) / 2);
    }
}

void SubtitleList::setCurrent(std::int32_t index)
{
    // Scrolled only when the subtitle changes, so the user may scroll away between changes.
    if (!_model->setCurrent(index) || index < 0)
        return;
    const QModelIndex shown = _proxy->mapFromSource(_model->index(index, 0));
    if (shown.isValid())
        _view->scrollTo(shown, QAbstractItemView::EnsureVisible);
}
