#include "app/rest_display.h"

#include <QCoreApplication>
#include <QLabel>

namespace ksy {

QRect restDisplayRect(int screenWidth, int screenHeight)
{
    const auto u = [screenWidth](int x) { return x * screenWidth / 1600; };
    const auto v = [screenHeight](int y) { return y * screenHeight / 900; };
    const int left = 200 + u(45);
    return QRect(left, v(660), 200 + u(720) - left, v(40));
}

QLabel* createRestDisplay(QWidget* parent, int screenWidth, int screenHeight)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("restDisplay"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(18);
    font.setWeight(QFont::Bold);
    label->setFont(font);
    label->setTextFormat(Qt::RichText);
    label->setGeometry(restDisplayRect(screenWidth, screenHeight));
    label->hide();
    return label;
}

void showRest(QLabel& label, const RestDisplay& rest)
{
    if (!rest.shown) {
        label.hide();
        return;
    }
    const QString colour = rest.elapsed ? QStringLiteral("#960000") : QStringLiteral("#009600");
    const QString restWord = QCoreApplication::translate("MainWindow", "Repos %1");
    label.setText(QStringLiteral("%1 &nbsp; <span style=\"color:%2\">%3</span>")
                      .arg(restWord.arg(QString::fromStdString(rest.length)).toHtmlEscaped(),
                          colour, QString::fromStdString(rest.countdown).toHtmlEscaped()));
    label.show();
    label.raise();
}

} // namespace ksy
