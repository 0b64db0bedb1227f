// View controls: they change what is shown and how, not what is computed.

#include <QImageReader>

#include "export/data_files.h"
#include "window/form1.h"

namespace velunta {

void Form1::connectViewControls() {
    connect(c_.Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(c_.Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(c_.Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    connect(c_.VScroll1, &QScrollBar::valueChanged, this, &Form1::VScroll1_Change);
    connect(c_.HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(c_.HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(c_.VScroll2, &QScrollBar::valueChanged, this, &Form1::VScroll2_Change);
    for (QLabel* clickable : {c_.Label22, c_.Label23, c_.Label5}) {
        clickable->installEventFilter(this);
        clickable->setCursor(Qt::PointingHandCursor);
    }
    // The Greek letters lying over the boxes let the clicks through.
    for (QLabel* overlay : {c_.Label22_2, c_.Label18_2, c_.Label20_2, c_.Label43_2})
        overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// A switch only changes visibility: every pipeline run draws into all three
// pictures, so the one shown is always current.
void Form1::showView(bool trajectory, bool coordinate, bool velocity) {
    c_.Picture1->setVisible(trajectory);
    c_.Picture2->setVisible(coordinate);
    c_.Picture3->setVisible(velocity);
    c_.HScroll1->setVisible(false);
    c_.VScroll1->setVisible(!velocity);  // the velocity graph has no zoom
}

void Form1::Option1_Click() {
    if (!c_.Option1->isChecked()) return;
    showView(true, false, false);
    c_.Option2->setChecked(false);
    c_.Option3->setChecked(false);
}

void Form1::Option2_Click() {
    if (!c_.Option2->isChecked()) return;
    showView(false, true, false);
    c_.Option1->setChecked(false);
    c_.Option3->setChecked(false);
}

void Form1::Option3_Click() {
    if (!c_.Option3->isChecked()) return;
    showView(false, false, true);
    c_.Option1->setChecked(false);
    c_.Option2->setChecked(false);
}

void Form1::VScroll1_Change() {
    m_.mashtab_y = float(c_.VScroll1->value() * 0.01);
    Form_Resize();
}

void Form1::HScroll1_Change() { m_.mashtab_x = c_.HScroll1->value() * 0.01; }

void Form1::HScroll2_Change() {
    m_.tormoz = std::int16_t(c_.HScroll2->value());
    c_.Label27->setText(QString::number(m_.tormoz));
}

void Form1::VScroll2_Change() {
    const QString fileName = QStringLiteral("ris_%1.gif").arg(c_.VScroll2->value());
    c_.Picture15->setPicture(QImage());
    const QString path = findDataFile(fileName);
    if (!path.isEmpty()) {
        QImageReader reader(path);
        const QImage picture = reader.read();
        if (!picture.isNull()) c_.Picture15->setPicture(picture);
    }
    if (!c_.Picture15->hasPicture())
        services_.dialogs->MsgBox(tr("В папке с программой должны быть файлы с рисунками формата *.gif.\r\n"
                                     "Они находятся в архиве с программой.\r\n"
                                     "Если их нет, то программа всё равно будет работать. \r\n"
                                     "Но лучше их использовать."),
                                  vbOKOnly, tr("ПРЕДУПРЕЖДЕНИЕ"));
}

void Form1::Label22_Click() { c_.VScroll2->setValue(3); }
void Form1::Label23_Click() { c_.VScroll2->setValue(4); }
void Form1::Label5_Click() { c_.VScroll2->setValue(5); }

}  // namespace velunta
