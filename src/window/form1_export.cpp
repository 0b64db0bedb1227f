// The lesson materials from the window: the table, the picture, the printed
// worksheet and the copies on the clipboard. Each works on what the window
// shows now, with the full model's curves from its closed forms.

#include <QCoreApplication>
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QInputDialog>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "window/experiment_menu.h"
#include "window/form1.h"
#include "export/picture_export.h"
#include "export/results_table.h"
#include "export/table_export.h"
#include "export/worksheet.h"
#include "export/whole_file.h"

namespace velunta {

namespace {

QString documentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

}  // namespace

PictureView Form1::shownView() const {
    if (c_.Picture2->isVisibleTo(client_)) return PictureView::coordinate;
    if (c_.Picture3->isVisibleTo(client_)) return PictureView::velocity;
    return PictureView::trajectory;
}

std::unique_ptr<ViewSurfaces> Form1::currentViews() const {
    return copyViews(m_, WindowViews{*c_.Picture1, *c_.Picture2, *c_.Picture3, *c_.Shape1, kept_.get(),
                                     showFullModelCurve_, &trail_});
}

bool Form1::saveTableFile(const QString& path, double step, QString& error) {
    error = tableStepProblem(m_, step);
    if (!error.isEmpty()) return false;
    const QByteArray data = tableCsv(m_, step, experiment_->shown());
    return writeWholeFile(path, data, error);
}

bool Form1::savePictureFile(const QString& path, QSize size, QString& error) {
    const std::unique_ptr<ViewSurfaces> views = currentViews();
    const DrawingSurface& picture = views->view(shownView());
    // By default twice the size it has in the window.
    return savePicture(picture, path, size.isValid() ? size : picture.surfaceSize() * 2, error);
}

void Form1::mnuFileSaveTable_Click() {
    bool ok = false;
    const double step = QInputDialog::getDouble(this, QCoreApplication::translate("Form1", "Сохранить таблицу"),
                                                QCoreApplication::translate("Form1", "Шаг по времени, с:"), defaultTableStep(m_), 1e-6, 1e6,
                                                6, &ok, Qt::WindowFlags(), 1e-3);
    if (!ok) return;
    const QString path = QFileDialog::getSaveFileName(this, QCoreApplication::translate("Form1", "Сохранить таблицу"),
                                                      documentsFolder() + QCoreApplication::translate("Form1", "/таблица.csv"),
                                                      QCoreApplication::translate("Form1", "Таблица CSV (*.csv)"));
    if (path.isEmpty()) return;
    QString error;
    if (!saveTableFile(path, step, error)) services_.dialogs->MsgBox(error, vbOKOnly, QCoreApplication::translate("Form1", "Ошибка"));
}

void Form1::mnuFileSavePicture_Click() {
    QString filter;
    const QString path = QFileDialog::getSaveFileName(
        this, QCoreApplication::translate("Form1", "Сохранить рисунок"), documentsFolder() + QCoreApplication::translate("Form1", "/рисунок.png"),
        QCoreApplication::translate("Form1", "Рисунок PNG (*.png);;Векторный рисунок SVG (*.svg)"), &filter);
    if (path.isEmpty()) return;
    QString error;
    if (!savePictureFile(path, QSize(), error)) services_.dialogs->MsgBox(error, vbOKOnly, QCoreApplication::translate("Form1", "Ошибка"));
}

void Form1::mnuFilePrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    printer.setDocName(QCoreApplication::translate("Form1", "Рабочий лист"));
    const std::unique_ptr<ViewSurfaces> views = currentViews();
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(QCoreApplication::translate("Form1", "Печать рабочего листа"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, &views](QPrinter* device) {
        QPainter p(device);
        paintWorksheet(p, device->paperRect(QPrinter::DevicePixel), m_, *views, QDate::currentDate());
    });
    preview.exec();
}

void Form1::copyResults() { QApplication::clipboard()->setText(resultsClipboardText(m_)); }

void Form1::copyPicture() {
    const std::unique_ptr<ViewSurfaces> views = currentViews();
    const DrawingSurface& picture = views->view(shownView());
    QApplication::clipboard()->setImage(pictureImage(picture, picture.surfaceSize() * 2));
}

}  // namespace velunta
