#include "files/deletemediafile.h"

#include "runtime/hostfiles.h"

#include <QFileInfo>

void DeleteMediaFile(const QString &fileName)
{
    // A folder of that name is not ours to remove.
    const QString path = ProgramPath(fileName);
    if (QFileInfo(path).isFile())
        DeleteFile(path);
}
