#include "editor/commandline.h"

EditorCommandLine::EditorCommandLine()
    : m_help({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("显示这份用法。"))
    , m_version({ QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("显示版本。"))
    , m_check(QStringLiteral("check"),
              QStringLiteral("不开窗口，只检查文件夹里的信和宣言，按编译器的格式报告。"))
{
    m_parser.setApplicationDescription(QStringLiteral("编辑 Velmora 放映的信和宣言。"));
    m_parser.addOptions({ m_help, m_version, m_check });
    m_parser.addPositionalArgument(QStringLiteral("folder"),
                                   QStringLiteral("放映的文件夹；不给时是编辑器所在的文件夹。"),
                                   QStringLiteral("[folder]"));
}

bool EditorCommandLine::parse(const QStringList &arguments)
{
    m_error.clear();
    if (!m_parser.parse(arguments))
        m_error = m_parser.errorText();
    else if (m_parser.positionalArguments().size() > 1)
        m_error = QStringLiteral("只能给一个文件夹，却给了 %1 个：%2")
                          .arg(m_parser.positionalArguments().size())
                          .arg(m_parser.positionalArguments().join(QLatin1Char(' ')));
    return m_error.isEmpty();
}

QString EditorCommandLine::folder() const
{
    const QStringList positional = m_parser.positionalArguments();
    return positional.isEmpty() ? QString() : positional.first();
}
