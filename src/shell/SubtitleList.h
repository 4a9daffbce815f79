// The subtitle list: number, start, end and text of every entry with the timing applied (and the
// second track's line beside it), the one showing highlighted and kept in view, a filter box,
// and a double-click to go there.
#pragma once

#include "subtitles/Cues.h"
#include "subtitles/Timing.h"

#include <QCoreApplication>
#include <QWidget>

#include <cstdint>
#include <functional>

class QLineEdit;
class QSortFilterProxyModel;
class QTableView;

class SubtitleList final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(SubtitleList)

public:
    // Called with the index of the entry, in the list as read.
    using GoHandler = std::function<void(std::size_t)>;

    SubtitleList(QWidget* parent, GoHandler onGo);
    ~SubtitleList() override;

    // Rebuilds the rows only when the list or the timing differ from those shown.
    void setCues(const SharedCues& cues, const Timing& timing);
    // A second track, shown in a column of its own beside the entry it overlaps; none hides it.
    void setSecondCues(const SharedCues& cues, const Timing& timing);
    // The entry showing at the clock's position (Cues::kNone for none) is highlighted and
    // scrolled into view.
    void setCurrent(std::int32_t index);

    QLineEdit* filterBox() const { return _filter; }
    QTableView* view() const { return _view; }

private:
    class Model;
    Model* _model;
    QSortFilterProxyModel* _proxy;
    QLineEdit* _filter;
    QTableView* _view;
};
