#pragma once
// The menu "Сравнение": keep the current curves for comparison (up to five
// sets stay on the graphs while the inputs change) and forget them.

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace velunta {

class Form1;

class ComparisonMenu : public QObject {
    Q_OBJECT
public:
    explicit ComparisonMenu(Form1* form);
    QMenu* menu() const { return menu_; }
    QAction* keepAction() const { return keep_; }
    QAction* forgetAction() const { return forget_; }

    void keep();
    void forget();
    // The short name of the current inputs: the chosen ball and medium, and
    // the inputs that differ from theirs or from the start-up values.
    QString currentLabel() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form1* form_;
    QMenu* menu_ = nullptr;
    QAction *keep_ = nullptr, *forget_ = nullptr;
};

}  // namespace velunta
