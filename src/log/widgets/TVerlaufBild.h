#pragma once
// The progress picture of one exercise: share of right answers and thinking time of its
// runs over the date, in front of the grade bands. It paints what LayOutProgressChart
// returns for its size.

#include "log/ProgressChart.h"

#include <QWidget>

class TVerlaufBild : public QWidget
{
    Q_OBJECT
public:
    explicit TVerlaufBild(QWidget *parent = nullptr);

    // The runs of one exercise, oldest first.
    void setSeries(const QList<ProgressPoint> &series);
    const ProgressChart &chart() const { return laidOut; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QList<ProgressPoint> runs;
    ProgressChart laidOut;

    void layOut();
};
