#include "ui/form2.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPixmap>

#include "draw/fonts.h"
#include "ui/menu_pictures.h"

namespace velunta {

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QCoreApplication::translate("Form2", "Авторы"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/velunta.svg")));
    resize(222, 360);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(32, 8, 150, 180);
    Image1->setAlignment(Qt::AlignCenter);
    const QImage photo = renderPicture(QStringLiteral(":/pictures/authors.svg"), QSize(150, 180));
    if (!photo.isNull()) Image1->setPixmap(QPixmap::fromImage(photo));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 196, 209, 156);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setFont(dialogFont());
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setText(QStringLiteral("Label1"));
}

}  // namespace velunta
