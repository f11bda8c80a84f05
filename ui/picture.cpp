#include "picture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace velkor::ui {

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
