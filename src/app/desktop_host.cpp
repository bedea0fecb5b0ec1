#include "app/desktop_host.h"

#include <QCoreApplication>
#include <QMessageBox>

void DesktopHost::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle, text, QMessageBox::Ok, m_window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopHost::endProgram()
{
    QCoreApplication::exit(0);
}
