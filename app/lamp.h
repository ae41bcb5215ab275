#pragma once

#include <QColor>
#include <QWidget>

namespace orvesc {

// The detection lamp: a small shape filled with one solid colour.
class Lamp : public QWidget
{
    Q_OBJECT
public:
    explicit Lamp(const QColor &colour, QWidget *parent = nullptr);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_colour;
};

} // namespace orvesc
