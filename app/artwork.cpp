#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvesc {

namespace {

const QColor brown(77, 43, 24);
const QColor lampGreen(0, 192, 0);

void drawBoard(QPainter &painter, const QRectF &board)
{
    painter.setPen(QPen(brown, 1));
    painter.setBrush(QColor(40, 110, 60));
    painter.drawRoundedRect(board, 2, 2);
    // Three motor wires on one side, the two power leads on the other.
    const qreal step = board.height() / 4;
    painter.setPen(QPen(QColor(30, 30, 30), 2));
    for (int i = 1; i <= 3; ++i)
        painter.drawLine(QPointF(board.right(), board.top() + i * step),
                         QPointF(board.right() + board.width() / 4, board.top() + i * step));
    painter.setPen(QPen(QColor(200, 30, 30), 2));
    painter.drawLine(QPointF(board.left(), board.top() + step),
                     QPointF(board.left() - board.width() / 4, board.top() + step));
    painter.setPen(QPen(QColor(20, 20, 20), 2));
    painter.drawLine(QPointF(board.left(), board.top() + 3 * step),
                     QPointF(board.left() - board.width() / 4, board.top() + 3 * step));
    painter.setPen(Qt::NoPen);
    painter.setBrush(lampGreen);
    const qreal lamp = board.width() / 5;
    painter.drawEllipse(QRectF(board.center().x() - lamp / 2, board.center().y() - lamp / 2, lamp, lamp));
}

} // namespace

QIcon windowIconArt()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBoard(painter, QRectF(7, 6, 18, 20));
    painter.end();
    return QIcon(pixmap);
}

QPixmap bannerPicture()
{
    QPixmap pixmap(160, 89);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 89);
    sky.setColorAt(0, QColor(250, 236, 214));
    sky.setColorAt(1, QColor(214, 176, 138));
    painter.fillRect(pixmap.rect(), sky);
    painter.setPen(QPen(brown, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, 158, 87));

    drawBoard(painter, QRectF(16, 22, 36, 44));

    QFont title = painter.font();
    title.setBold(true);
    title.setPixelSize(17);
    painter.setFont(title);
    painter.setPen(brown);
    painter.drawText(QRectF(66, 16, 90, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Orvantis"));
    QFont subtitle = title;
    subtitle.setBold(false);
    subtitle.setPixelSize(11);
    painter.setFont(subtitle);
    painter.drawText(QRectF(66, 42, 90, 32), Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("ESC PC Interface"));
    return pixmap;
}

} // namespace orvesc
