#pragma once
// The small authors window: a photograph and a text that the main window fills
// in before showing it. It holds no state of its own.

#include <QLabel>
#include <QWidget>

namespace velunta {

class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;  // the authors' photograph
    QLabel* Label1 = nullptr;  // six lines about the author, set by the caller
};

}  // namespace velunta
