#include "shell/SubtitlePanel.h"

#include "control/SubtitleMarkup.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLayout>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr int edgeGrip = 8; // pixels from an edge that resize instead of move
constexpr int padding = 8;
constexpr std::size_t panelMaxBytes = 1000;
constexpr std::size_t panelMaxLines = 12;
const QSize smallest(160, 48);

QColor colorOf(std::uint32_t rgb, int alpha = 255)
{
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
        static_cast<int>(rgb & 0xFF), alpha);
}

// On X11 the panel is kept out of the window manager's hands, so that no window, full-screen
// ones included, is stacked above it by the manager (the window manager cannot focus, maximise
// or minimise it either).
bool bypassWindowManager()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

struct Marked {
    QString text;
    QList<QTextLayout::FormatRange> ranges;
    bool top = false;
};

Marked marked(const QString& raw, const PanelStyle& style)
{
    // Tighter than the main window's bound: a panel a few lines high shows a dozen lines at most
    // legibly, and each glyph costs an outline.
    const std::string utf8 = boundedForDisplay(raw.toStdString(), panelMaxBytes, panelMaxLines);
    const StyledText styled = parseSubtitleMarkup(withoutTrailingBlankLines(utf8));
    Marked out;
    out.top = styled.top;
    for (const TextRun& run : styled.runs) {
        QString text = QString::fromStdString(run.text);
        text.replace(QLatin1Char('\n'), QChar::LineSeparator);
        QTextCharFormat format;
        format.setFontItalic(run.italic);
        if (run.bold)
            format.setFontWeight(QFont::Bold);
        format.setFontUnderline(run.underline);
        format.setFontStrikeOut(run.strike);
        format.setForeground(colorOf(run.rgb.value_or(style.textRgb)));
        out.ranges.append(
            { static_cast<int>(out.text.size()), static_cast<int>(text.size()), format });
        out.text += text;
    }
    // The line separators an entry keeps inside markup at its end are not drawn either.
    while (!out.text.isEmpty() && out.text.back().isSpace())
        out.text.chop(1);
    return out;
}

// The text laid out in lines no wider than `width`; its height in `height`.
std::unique_ptr<QTextLayout> laidOut(const Marked& m, const QFont& font,
    const QList<QTextLayout::FormatRange>& ranges, Qt::Alignment align, qreal width, qreal& height)
{
    auto layout = std::make_unique<QTextLayout>(m.text, font);
    QTextOption option(align);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    layout->setFormats(ranges);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    height = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout->endLayout();
    return layout;
}

// The same ranges drawn in one colour.
QList<QTextLayout::FormatRange> painted(QList<QTextLayout::FormatRange> ranges, const QColor& color)
{
    for (QTextLayout::FormatRange& r : ranges)
        r.format.setForeground(color);
    return ranges;
}

// One track's text in its style: laid out to the panel's width and drawn with its shadow and
// outline.
struct Block {
    Block(const Marked& marked, const PanelStyle& style)
        : m(marked)
        , style(style)
    {
    }

    const Marked& m;
    const PanelStyle& style;
    QFont font;
    qreal width = 0;
    qreal height = 0;
    std::unique_ptr<QTextLayout> text;

    Qt::Alignment align() const
    {
        return style.align == PanelStyle::Align::Left ? Qt::AlignLeft
            : style.align == PanelStyle::Align::Right ? Qt::AlignRight
                                                      : Qt::AlignHCenter;
    }
    int lines() const { return text ? text->lineCount() : 0; }

    void layOut(qreal panelWidth, qreal scale)
    {
        height = 0;
        if (m.text.isEmpty())
            return;
        width = std::max(1.0, panelWidth * std::clamp(style.maxWidthPercent, 20, 100) / 100.0);
        font = QFont(QString::fromStdString(style.fontFamily));
        font.setPointSizeF(std::max(3.0, std::max(1, style.fontPoints) * scale));
        text = laidOut(m, font, m.ranges, align(), width, height);
    }

    // Centred on `centre`, from `y` down.
    void draw(QPainter& painter, qreal centre, qreal y) const
    {
        if (!text)
            return;
        const qreal x = centre - width / 2;
        const int outline = std::max(0, style.outlinePixels);
        const int shadow = std::max(0, style.shadowPixels);
        qreal unused = 0;
        if (shadow > 0)
            laidOut(m, font, painted(m.ranges, colorOf(style.shadowRgb)), align(), width, unused)
                ->draw(&painter, QPointF(x + shadow + outline / 2.0, y + shadow + outline / 2.0));
        if (outline > 0) {
            // The text drawn around itself in the outline's colour: cached glyphs, many times
            // cheaper than stroking every glyph's path, and as good at these widths.
            const std::unique_ptr<QTextLayout> ring = laidOut(
                m, font, painted(m.ranges, colorOf(style.outlineRgb)), align(), width, unused);
            const int steps = outline <= 2 ? 8 : 16;
            for (qreal radius : { qreal(outline), outline / 2.0 }) {
                for (int i = 0; i < steps; ++i) {
                    const qreal angle = 2 * std::numbers::pi * i / steps;
                    ring->draw(&painter,
                        QPointF(x + radius * std::cos(angle), y + radius * std::sin(angle)));
                }
                if (outline < 3)
                    break;
            }
        }
        text->draw(&painter, QPointF(x, y));
    }
};

} // namespace

SubtitlePanel::SubtitlePanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName("MainPanel");
    setWindowTitle(tr("Subclock Subtitles"));
    setAccessibleName(hintText());
    setAccessibleDescription(tr("The subtitle being shown"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    setMouseTracking(true);
    setMinimumSize(smallest);
    resize(900, 150);
    applyWindowFlags();
    _settle.setSingleShot(true);
    _settle.setInterval(500);
    connect(&_settle, &QTimer::timeout, this, [this] {
        _systemPlacing = false;
        if (const QRect kept = keptOnScreen(geometry()); kept != geometry())
            setGeometry(kept);
        emit placeChanged();
    });
}

QString SubtitlePanel::hintText()
{
    return tr("Subtitles show here. Drag to move, drag an edge to resize; right-click for more.");
}

void SubtitlePanel::applyWindowFlags()
{
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
        | Qt::WindowDoesNotAcceptFocus;
    if (bypassWindowManager())
        flags |= Qt::X11BypassWindowManagerHint;
    if (_clickThrough)
        flags |= Qt::WindowTransparentForInput;
    const bool shown = isVisible();
    setWindowFlags(flags);
    if (shown)
        show();
}

void SubtitlePanel::setText(const QString& raw)
{
    if (raw == _raw)
        return;
    _raw = raw;
    _hadText = _hadText || !raw.isEmpty();
    render();
    // A screen reader reads the subtitle as the panel's name, told of each change.
    setAccessibleName(_hint
            ? hintText()
            : QString::fromStdString(plainSubtitleText(raw.toStdString())).trimmed());
    // Out of the window manager's hands, the panel is raised by no one else: a window raised
    // since (a full-screen player taking focus) goes below it again at the next subtitle.
    if (bypassWindowManager() && isVisible() && !_raw.isEmpty() && !_yielding)
        raise();
}

void SubtitlePanel::setPanelStyle(const PanelStyle& style)
{
    if (style == _style)
        return;
    _style = style;
    render();
}

void SubtitlePanel::setSecondText(const QString& raw)
{
    if (raw == _secondRaw)
        return;
    _secondRaw = raw;
    if (_placement == SecondPlacement::top || !_secondShown)
        return;
    _hadText = _hadText || !raw.isEmpty();
    render();
}

void SubtitlePanel::setSecondStyle(const PanelStyle& style)
{
    if (style == _secondStyle)
        return;
    _secondStyle = style;
    render();
}

void SubtitlePanel::setSecondPlacement(SecondPlacement placement)
{
    if (placement == _placement)
        return;
    _placement = placement;
    render();
}

void SubtitlePanel::setTrackShown(int track, bool shown)
{
    bool& flag = track == 1 ? _firstShown : _secondShown;
    if (flag == shown)
        return;
    flag = shown;
    render();
}

void SubtitlePanel::setClickThrough(bool on)
{
    if (on == _clickThrough)
        return;
    _clickThrough = on;
    applyWindowFlags();
}

void SubtitlePanel::orderFront()
{
    if (_yielding && !bypassWindowManager()) {
        _hiddenForDialog = true; // shown when the dialog goes
        return;
    }
    show();
    if (_yielding)
        lower();
    else
        raise();
}

void SubtitlePanel::setYielding(bool on)
{
    if (on == _yielding)
        return;
    _yielding = on;
    if (bypassWindowManager()) {
        if (isVisible())
            on ? lower() : raise();
        return;
    }
    // A window manager keeps a stays-on-top window above dialogs: out of the way instead.
    _quietVisibility = true;
    if (on && isVisible()) {
        _hiddenForDialog = true;
        hide();
    } else if (!on && std::exchange(_hiddenForDialog, false)) {
        show();
    }
    _quietVisibility = false;
}

int SubtitlePanel::fittingHeight(int lines) const
{
    QFont font(QString::fromStdString(_style.fontFamily));
    font.setPointSizeF(std::max(1, _style.fontPoints));
    const int text = static_cast<int>(std::ceil(lines * QFontMetricsF(font, this).lineSpacing()));
    const int frame
        = 2 * (padding + std::max(0, _style.outlinePixels)) + std::max(0, _style.shadowPixels) + 2;
    return std::max(smallest.height(), text + frame);
}

QRect SubtitlePanel::keptOnScreen(const QRect& r) const
{
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        screens.push_back(
            { screen->name().toStdString(), { g.x(), g.y(), g.width(), g.height() } });
    }
    const Rect kept = keptHalfOnScreen({ r.x(), r.y(), r.width(), r.height() }, screens);
    return { kept.x, kept.y, kept.width, kept.height };
}

void SubtitlePanel::render()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (_picture.size() != pixels)
        _picture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    _picture.setDevicePixelRatio(ratio);

    const Marked m = marked(_firstShown ? _raw : QString(), _style);
    const bool stacked = _placement != SecondPlacement::top && _secondShown;
    const Marked m2 = marked(stacked ? _secondRaw : QString(), _secondStyle);
    _top = m.top || (m.text.isEmpty() && m2.top);
    _lines = 0;
    _secondLines = 0;
    _scale = 1.0;
    _hint = _hintAllowed && m.text.isEmpty() && m2.text.isEmpty() && !_hadText;
    // Between subtitles the band is faint (on a compositing desktop; elsewhere it stays solid).
    const bool blank = m.text.isEmpty() && m2.text.isEmpty();
    const int percent = blank ? _style.backgroundPercent / 3 : _style.backgroundPercent;
    _picture.fill(colorOf(_style.backgroundRgb, percent * 255 / 100));
    if (blank) {
        if (_hint) {
            // Until the first subtitle, the band says what it is and how to move it.
            QPainter painter(&_picture);
            painter.setRenderHints(QPainter::TextAntialiasing);
            QFont font(QString::fromStdString(_style.fontFamily));
            font.setPointSizeF(std::clamp(_style.fontPoints * 0.45, 9.0, 16.0));
            painter.setFont(font);
            painter.setPen(colorOf(_style.textRgb, 170));
            painter.drawText(rect().adjusted(padding, padding, -padding, -padding),
                Qt::AlignCenter | Qt::TextWordWrap, hintText());
        }
        update();
        return;
    }

    // The frame is the first style's; each text keeps its own size, colour and alignment.
    const int outline = std::max({ 0, _style.outlinePixels, _secondStyle.outlinePixels });
    const int shadow = std::max({ 0, _style.shadowPixels, _secondStyle.shadowPixels });
    const qreal margin = padding + outline;
    const qreal availableHeight = std::max(1.0, height() - 2 * margin - shadow);
    Block first{ m, _style };
    Block second{ m2, _secondStyle };
    const auto layOut = [&] {
        qreal total = 0;
        for (Block* b : { &first, &second }) {
            b->layOut(width() - 2 * margin - shadow, _scale);
            total += b->height;
        }
        return total;
    };
    // Too tall for the panel: both smaller, until they fit (never cut, never a taller panel).
    qreal textHeight = layOut();
    for (int tries = 0; tries < 8 && textHeight > availableHeight
         && std::min(_style.fontPoints, _secondStyle.fontPoints) * _scale > 3;
         ++tries) {
        _scale *= std::clamp(availableHeight / textHeight * 0.98, 0.3, 0.98);
        textHeight = layOut();
    }
    _lines = first.lines();
    _secondLines = second.lines();
    _secondBelow = _placement != SecondPlacement::above;

    qreal y
        = _top || textHeight > availableHeight ? margin : height() - margin - shadow - textHeight;
    QPainter painter(&_picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    for (const Block* b :
        _secondBelow ? std::array{ &first, &second } : std::array{ &second, &first }) {
        b->draw(painter, (width() - shadow) / 2.0, y);
        y += b->height;
    }
    update();
}

void SubtitlePanel::paintEvent(QPaintEvent* event)
{
    // Moved to a screen of another scale: drawn again at its pixels, to stay crisp.
    if (!qFuzzyCompare(_picture.devicePixelRatio(), devicePixelRatioF())
        || _picture.size() != size() * devicePixelRatioF())
        render();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), _picture,
        QRectF(QPointF(event->rect().topLeft()) * _picture.devicePixelRatio(),
            QSizeF(event->rect().size()) * _picture.devicePixelRatio()));
}

void SubtitlePanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    render();
    if (_systemPlacing)
        _settle.start();
}

void SubtitlePanel::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (_systemPlacing)
        _settle.start();
}

void SubtitlePanel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        render();
    // Where a window manager still offers it (a keyboard shortcut, a double click), maximising
    // is undone: the panel is sized by its edges only.
    if (event->type() == QEvent::WindowStateChange && isMaximized())
        setWindowState(windowState() & ~Qt::WindowMaximized);
}

void SubtitlePanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!_quietVisibility)
        emit visibilityChanged(true);
}

void SubtitlePanel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!_quietVisibility)
        emit visibilityChanged(false);
}

Qt::Edges SubtitlePanel::edgesAt(const QPoint& pos) const
{
    Qt::Edges edges;
    if (pos.x() < edgeGrip)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - edgeGrip)
        edges |= Qt::RightEdge;
    if (pos.y() < edgeGrip)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - edgeGrip)
        edges |= Qt::BottomEdge;
    return edges;
}

void SubtitlePanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    // A window manager moves and resizes best (snapping, screens' edges); without one, or when
    // it is bypassed, the panel does it itself.
    if (!bypassWindowManager() && windowHandle()) {
        const bool done
            = edges ? windowHandle()->startSystemResize(edges) : windowHandle()->startSystemMove();
        if (done) {
            _systemPlacing = true;
            _settle.start();
            return;
        }
    }
    _pressed = true;
    _edges = edges;
    _pressAt = event->globalPosition().toPoint();
    _startGeometry = geometry();
}

void SubtitlePanel::mouseMoveEvent(QMouseEvent* event)
{
    if (!_pressed) {
        const Qt::Edges e = edgesAt(event->position().toPoint());
        const bool horizontal = e & (Qt::LeftEdge | Qt::RightEdge);
        const bool vertical = e & (Qt::TopEdge | Qt::BottomEdge);
        const bool falling
            = (e & Qt::LeftEdge && e & Qt::TopEdge) || (e & Qt::RightEdge && e & Qt::BottomEdge);
        setCursor(horizontal && vertical ? (falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor)
                : horizontal             ? Qt::SizeHorCursor
                : vertical               ? Qt::SizeVerCursor
                                         : Qt::SizeAllCursor);
        return;
    }
    const QPoint d = event->globalPosition().toPoint() - _pressAt;
    QRect g = _startGeometry;
    if (!_edges) {
        move(keptOnScreen(g.translated(d)).topLeft());
        return;
    }
    if (_edges & Qt::LeftEdge)
        g.setLeft(std::min(g.left() + d.x(), g.right() - smallest.width()));
    if (_edges & Qt::RightEdge)
        g.setRight(std::max(g.right() + d.x(), g.left() + smallest.width()));
    if (_edges & Qt::TopEdge)
        g.setTop(std::min(g.top() + d.y(), g.bottom() - smallest.height()));
    if (_edges & Qt::BottomEdge)
        g.setBottom(std::max(g.bottom() + d.y(), g.top() + smallest.height()));
    setGeometry(g);
}

void SubtitlePanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (!_pressed || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    _pressed = false;
    if (geometry() != _startGeometry)
        emit placeChanged();
}
