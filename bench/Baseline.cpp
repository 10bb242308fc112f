// The floor to measure IT_Zolinar against: a bare Qt Widgets window of the
// same size, with the same window font and one line of Cyrillic text (the
// alphabet), and nothing else.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ абвгдежзийклмнопрстуфхцчшщъьюя"));
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    window.setFixedSize(461, 345);
    window.show();
    return QApplication::exec();
}
