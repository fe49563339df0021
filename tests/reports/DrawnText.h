#pragma once
// What a widget draws as text, and where: a paint device whose engine records every run of text
// (a stretch of one direction and font) with the place of its ink, instead of painting pixels.
// A test renders a list into it and checks the order of the words on a line as the eye sees them.
#include <vector>

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QTextItem>
#include <QTransform>
#include <QWidget>

namespace DrawnText {

struct TextRun {
    QString text;                    // in reading order, as stored, without marks that take no room
    double left = 0, right = 0;      // the ink: blanks at either end left out
    double boxLeft = 0, boxRight = 0;  // the room it takes, blanks and all
    double baseline = 0;
    bool rightToLeft = false;
    bool Blank() const { return text.trimmed().isEmpty(); }
};

class Recorder : public QPaintDevice {
public:
    Recorder(int width, int height) : engine_(this), width_(width), height_(height) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<TextRun>& Runs() const { return runs_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return width_;
        case PdmHeight: return height_;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        case PdmWidthMM: return width_ * 254 / 960;
        case PdmHeightMM: return height_ * 254 / 960;
        default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(Recorder* owner) : QPaintEngine(AllFeatures), owner_(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override
        {
            if (state.state() & DirtyTransform) transform_ = state.transform();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            // Marks that take no room (isolates around a stretch of the other direction) are not
            // seen.
            static const QRegularExpression marks(QStringLiteral("\\p{Cf}"));
            const QString text = item.text().remove(marks);
            if (text.isEmpty()) return;
            // Blanks at the run's start and end take room but leave no ink; a run read right to
            // left has its start on the right.
            const QFontMetricsF metrics(item.font());
            qsizetype lead = 0, trail = 0;
            while (lead < text.size() && text.at(lead).isSpace()) ++lead;
            while (trail < text.size() - lead && text.at(text.size() - 1 - trail).isSpace()) ++trail;
            const double leadWidth = metrics.horizontalAdvance(text.left(lead));
            const double trailWidth = metrics.horizontalAdvance(text.right(trail));
            const bool rightToLeft = item.renderFlags() & QTextItem::RightToLeft;
            const double left = p.x() + (rightToLeft ? trailWidth : leadWidth);
            const double right = p.x() + item.width() - (rightToLeft ? leadWidth : trailWidth);
            auto x = [&](double at) { return transform_.map(QPointF(at, p.y())).x(); };
            owner_->runs_.push_back({text, x(left), x(right), x(p.x()), x(p.x() + item.width()),
                                     transform_.map(p).y(), rightToLeft});
        }
        Type type() const override { return User; }

    private:
        Recorder* owner_;
        QTransform transform_;
    };

    mutable Engine engine_;
    int width_, height_;
    std::vector<TextRun> runs_;
};

// The runs `w` draws, in its own coordinates.
inline std::vector<TextRun> Of(QWidget& w)
{
    Recorder recorder(w.width(), w.height());
    w.render(&recorder);
    return recorder.Runs();
}

}  // namespace DrawnText
