#pragma once
// A label whose caption is a row of blank-separated items that belong in fixed columns (the
// weights under the address switches): each item is drawn centred in its own column, so the row
// lines up with what stands above it whatever the font and the window's direction. Without
// columns, or with more items than columns, it is an ordinary label.
#include <vector>

#include <QLabel>
#include <QPainter>
#include <QStringList>

class ColumnLabel : public QLabel {
public:
    using QLabel::QLabel;

    // Column k as the x range [left, left + width) inside the label.
    struct Column {
        int left;
        int width;
    };
    void SetColumns(std::vector<Column> columns)
    {
        columns_ = std::move(columns);
        update();
    }
    const std::vector<Column>& Columns() const { return columns_; }
    QStringList Items() const { return text().split(QLatin1Char(' '), Qt::SkipEmptyParts); }
    // Where item k is drawn.
    QRect ItemRect(int k) const { return QRect(columns_[k].left, 0, columns_[k].width, height()); }

protected:
    void paintEvent(QPaintEvent* e) override
    {
        const QStringList items = Items();
        if (columns_.empty() || items.size() > int(columns_.size())) {
            QLabel::paintEvent(e);
            return;
        }
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        for (int k = 0; k < items.size(); ++k) p.drawText(ItemRect(k), Qt::AlignCenter, items[k]);
    }

private:
    std::vector<Column> columns_;
};
