// velunta_svg2png [--scale N] [--background COLOUR] input.svg output.png
//
// Renders an SVG file at its own size times N (default 1, fractions allowed:
// 0.5 makes a 32 px drawing a 16 px icon) and writes a PNG.
// Without --background the PNG keeps the transparency of the drawing; with it
// the drawing is put on that colour (any name QColor understands, e.g. white)
// and the PNG has no alpha channel, which is what a GIF conversion wants.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

namespace {

struct Options {
    QString input;
    QString output;
    double scale = 1;
    QColor background;  // invalid: keep transparency
};

bool parseOptions(const QStringList& args, Options& options)
{
    QStringList files;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--scale") && i + 1 < args.size()) {
            bool ok = false;
            options.scale = args[++i].toDouble(&ok);
            if (!ok || !(options.scale > 0) || options.scale > 16)
                return false;
        } else if (arg == QLatin1String("--background") && i + 1 < args.size()) {
            options.background = QColor(args[++i]);
            if (!options.background.isValid())
                return false;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return false;
        } else {
            files << arg;
        }
    }
    if (files.size() != 2)
        return false;
    options.input = files[0];
    options.output = files[1];
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    // A build step needs no display, but text needs a QGuiApplication.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Plain warnings here are only about the session (XDG_RUNTIME_DIR and the
    // like); the SVG parser's own warnings have their category and still show.
    QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    QGuiApplication app(argc, argv);

    Options options;
    if (!parseOptions(app.arguments(), options)) {
        std::fprintf(stderr,
                     "usage: velunta_svg2png [--scale N] [--background COLOUR] input.svg output.png\n");
        return 2;
    }

    QSvgRenderer renderer(options.input);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "velunta_svg2png: cannot read %s\n", qPrintable(options.input));
        return 1;
    }

    const QSize size = renderer.defaultSize() * options.scale;
    const bool opaque = options.background.isValid();
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? options.background : QColor(Qt::transparent));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter);
    }

    if (!image.save(options.output, "PNG")) {
        std::fprintf(stderr, "velunta_svg2png: cannot write %s\n", qPrintable(options.output));
        return 1;
    }
    return 0;
}
