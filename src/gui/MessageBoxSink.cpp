#include "gui/MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

void MessageBoxSink::show(zentyra::MessageKind kind, std::string_view title,
                          std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
    QMessageBox box(kind == zentyra::MessageKind::Warning ? QMessageBox::Warning
                                                          : QMessageBox::NoIcon,
                    QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
