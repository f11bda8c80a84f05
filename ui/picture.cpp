#include "picture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace velkor::ui {

QIcon DrawnIcon(const QString& file, std::initializer_list<int> sizes) {
    QIcon icon;
    const QString path = QStringLiteral(":/pictures/") + file;
    if (!QFile::exists(path))
        return icon;
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return icon;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0; // device px per px
    for (int side : sizes) {
        QSize size = renderer.defaultSize();
        size.scale(QSize(side, side) * ratio, Qt::KeepAspectRatio);
        if (size.isEmpty())
            continue;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(ratio);
        icon.addPixmap(pixmap);
    }
    return icon;
}

Picture::Picture(const QString& file, QWidget* parent)
    : QWidget(parent), file_(":/pictures/" + file) {}

Picture::~Picture() = default;

void Picture::paintEvent(QPaintEvent*) {
    if (!renderer_) {
        if (!QFile::exists(file_))
            return;
        renderer_ = std::make_unique<QSvgRenderer>(file_);
    }
    if (!renderer_->isValid())
        return;
    QSvgRenderer& renderer = *renderer_;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Keep the drawing's proportions, centred in the widget.
    QSizeF size = renderer.defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(),
                        size.height());
    renderer.render(&painter, target);
}

} // namespace velkor::ui
