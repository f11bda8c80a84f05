#include "picture.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <utility>

namespace velkor::ui {

namespace {

// Whether the application's buttons are dark: their pictures, drawn for light faces (navy
// outlines), then stand on a card.
bool DarkButtons() {
    return QGuiApplication::palette().color(QPalette::Button).lightness() < 128;
}

// An icon drawn from its SVG at the size asked, when it is first asked: a window with many
// buttons draws only the pictures it shows, each once per size and look.
class DrawnIconEngine : public QIconEngine {
public:
    DrawnIconEngine(QString path, QList<QSize> sizes, IconBacking backing)
        : path_(std::move(path)), sizes_(std::move(sizes)), backing_(backing),
          exists_(QFile::exists(path_)) {}

    QIconEngine* clone() const override { return new DrawnIconEngine(path_, sizes_, backing_); }
    QString key() const override { return QStringLiteral("velkorDrawn"); }
    bool isNull() override { return !exists_; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return sizes_; }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        QSize drawn = Renderer() ? renderer_->defaultSize() : size;
        drawn.scale(size, Qt::KeepAspectRatio);
        return drawn;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const bool card = backing_ == IconBacking::CardOnDarkButtons && DarkButtons();
        const quint64 key = (quint64(quint32(size.width())) << 32) |
                            (quint64(quint16(size.height())) << 8) | (quint64(card) << 7) |
                            quint64(mode);
        if (auto found = drawn_.find(key); found != drawn_.end())
            return found.value();
        QPixmap pixmap = DrawOrScale(actualSize(size, mode, state));
        if (card && !pixmap.isNull())
            pixmap = OnCard(pixmap);
        if (mode != QIcon::Normal && !pixmap.isNull()) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        drawn_.insert(key, pixmap);
        return pixmap;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

private:
    // The picture on a white card with rounded corners, the card the size of the picture: its
    // edge stands out on a dark face as the picture's navy outline does on a light one.
    static QPixmap OnCard(const QPixmap& picture) {
        QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        const qreal radius = picture.width() / 8.0; // px
        painter.drawRoundedRect(QRectF(image.rect()), radius, radius);
        painter.drawPixmap(0, 0, picture);
        painter.end();
        return QPixmap::fromImage(image);
    }

    QSvgRenderer* Renderer() {
        if (!renderer_ && exists_)
            renderer_ = std::make_unique<QSvgRenderer>(path_);
        return renderer_ && renderer_->isValid() ? renderer_.get() : nullptr;
    }

    // An offered size below the largest is scaled down from the largest, drawn once: the many
    // strokes of a detailed picture cost about the same at any size, the scaling little.
    QPixmap DrawOrScale(const QSize& size) {
        if (!sizes_.contains(size) || !Renderer())
            return Draw(size);
        QSize largest;
        for (const QSize& offered : sizes_)
            largest = largest.expandedTo(offered);
        if (largest_.isNull())
            largest_ = Draw(actualSize(largest, QIcon::Normal, QIcon::Off)).toImage();
        if (size == largest_.size())
            return QPixmap::fromImage(largest_);
        return QPixmap::fromImage(
            largest_.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    QPixmap Draw(const QSize& size) {
        if (!Renderer() || size.isEmpty())
            return {};
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer_->render(&painter);
        painter.end();
        return QPixmap::fromImage(image);
    }

    QString path_;                           // ":/pictures/<file>"
    QList<QSize> sizes_;                     // px, the sizes the icon offers
    IconBacking backing_;                    // what the picture stands on
    bool exists_;                            // the file is in the resources
    std::unique_ptr<QSvgRenderer> renderer_; // read at the first drawing
    QHash<quint64, QPixmap> drawn_;          // by size and look
    QImage largest_;                         // the largest offered size, once drawn
};

} // namespace

QIcon DrawnIcon(const QString& file, std::initializer_list<int> sizes, IconBacking backing) {
    QList<QSize> offered;
    for (int side : sizes)
        offered.append(QSize(side, side));
    return QIcon(new DrawnIconEngine(QStringLiteral(":/pictures/") + file, offered, backing));
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
    // The drawings are made for paper (black strokes, navy marks): on a dark desktop they are
    // shown on a white card a little larger than the drawing.
    if (palette().color(QPalette::Window).lightness() < 128) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(target.adjusted(-3, -3, 3, 3) & QRectF(rect()), 3, 3);
    }
    renderer.render(&painter, target);
}

} // namespace velkor::ui
