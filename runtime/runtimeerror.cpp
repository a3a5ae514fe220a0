// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/runtimeerror.h"

#include <QHash>

namespace {
QString textOf(int number)
{
    static const QHash<int, QString> texts = {
        { ErrorNumber::InvalidProcedureCall, QStringLiteral("无效的过程调用或参数") },
        { ErrorNumber::Overflow, QStringLiteral("溢出") },
        { ErrorNumber::BadFileNameOrNumber, QStringLiteral("错误的文件名或号码") },
        { ErrorNumber::FileNotFound, QStringLiteral("文件未找到") },
        { ErrorNumber::FileAlreadyOpen, QStringLiteral("文件已打开") },
        { ErrorNumber::DeviceIoError, QStringLiteral("设备 I/O 错误") },
        { ErrorNumber::DiskFull, QStringLiteral("磁盘已满") },
        { ErrorNumber::PermissionDenied, QStringLiteral("拒绝的权限") },
        { ErrorNumber::PathFileAccessError, QStringLiteral("路径/文件访问错误") },
        { ErrorNumber::PathNotFound, QStringLiteral("路径未找到") },
        { ErrorNumber::ResourceNotFound, QStringLiteral("找不到资源") },
    };
    return texts.value(number, QStringLiteral("应用程序定义的错误或对象定义的错误"));
}
} // namespace

QString RuntimeError::message() const
{
    QString message = QStringLiteral("运行时错误 '%1':\r\n\r\n%2").arg(number).arg(text);
    if (!path.isEmpty())
        message += QStringLiteral("\r\n%1").arg(path);
    return message;
}

RuntimeError runtimeError(int number, const QString &path)
{
    return RuntimeError { number, textOf(number), path };
}

void raiseError(int number, const QString &path)
{
    throw runtimeError(number, path);
}
