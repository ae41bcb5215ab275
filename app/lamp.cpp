#include "lamp.h"

#include <QPainter>

namespace orvesc {

Lamp::Lamp(const QColor &colour, QWidget *parent)
    : QWidget(parent), m_colour(colour)
{
}

void Lamp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(m_colour.darker(160), 1));
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace orvesc
