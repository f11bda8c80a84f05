// velkor_render_icon SVG OUT_DIR SIZE...: renders the program's icon at build time into the
// hicolor theme's layout, OUT_DIR/NxN/apps/velkor.png for each size N (pixels), so that no
// picture is kept twice in the sources. A build tool only: never installed.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // No window is opened; the offscreen platform needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() < 4) {
        err << "usage: velkor_render_icon SVG OUT_DIR SIZE...\n";
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        err << "cannot read " << args[1] << '\n';
        return 1;
    }
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok); // pixels, square
        if (!ok || size < 1 || size > 1024) {
            err << "bad size " << args[i] << '\n';
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            svg.render(&painter, QRectF(0, 0, size, size));
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        const QString file = dir + QStringLiteral("/velkor.png");
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            err << "cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
