// mkpdf [--translations=FILE.qm] INPUT.md OUTPUT.pdf
// Typesets a Markdown text (CommonMark, GitHub tables, ^{..} and _{..} for
// raised and lowered text) as an A4 PDF with page numbers. Needs no display:
// it starts Qt on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
// The page footers name the program and the page in Russian, or in the language of
// the program's catalogue given.

#include <cstdio>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QHashSeed>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>

#include "markdown_document.h"
#include "pdf_pages.h"
#include "stable_pdf.h"

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "mkpdf: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The PDF engine walks hash tables when it writes the fonts; a fixed seed
    // keeps their order, and so the bytes of the file, the same on every run.
    QHashSeed::setDeterministicGlobalSeed();
    // Only fonts are needed, never a screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A build runs without a desktop session; give Qt a private runtime
    // folder rather than a warning on every document.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QGuiApplication app(argc, argv);  // font database
    QStringList args = app.arguments();
    QTranslator catalogue;
    const QString option = QStringLiteral("--translations=");
    if (args.size() > 1 && args.at(1).startsWith(option)) {
        const QString qm = args.takeAt(1).mid(option.size());
        if (!catalogue.load(qm) || catalogue.isEmpty()) return fail(QStringLiteral("cannot load the catalogue %1").arg(qm));
        QCoreApplication::installTranslator(&catalogue);
    }
    const QString programName = QCoreApplication::translate("HelpDocuments", "Велунта");
    const QString pageOfPages = QCoreApplication::translate("HelpDocuments", "стр. %1 из %2");
    if (args.size() != 3)
        return fail(QStringLiteral("usage: mkpdf [--translations=FILE.qm] INPUT.md OUTPUT.pdf"));
    const QString inputPath = args.at(1);
    const QString outputPath = args.at(2);

    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(inputPath, input.errorString()));
    const QString markdown = QString::fromUtf8(input.readAll());
    const QString title = velunta::mkpdf::firstHeading(markdown);
    if (title.isEmpty())
        return fail(QStringLiteral("%1 has no \"# \" heading to use as the title").arg(inputPath));

    using namespace velunta::mkpdf;
    const PageStyle style;
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        setUpWriter(writer, style, title);
        std::unique_ptr<QTextDocument> doc =
            paginate([&] { return makeDocument(markdown, style, &writer); }, writer, style);
        if (paintPages(*doc, writer, style, programName + QStringLiteral(". ") + title, pageOfPages) == 0)
            return fail(QStringLiteral("nothing to print from %1").arg(inputPath));
    }
    pdf = stabilisePdf(pdf, buildTimestamp());

    QSaveFile output(outputPath);  // no half-written PDF on failure
    if (!output.open(QIODevice::WriteOnly) || output.write(pdf) != pdf.size() || !output.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(outputPath, output.errorString()));
    return 0;
}
