#include "editor/commandline.h"

#include "editor/ownassets.h"

#include <QCoreApplication>

EditorCommandLine::EditorCommandLine()
    : m_help({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("显示这份用法。"))
    , m_version({ QStringLiteral("v"), QStringLiteral("version") }, QStringLiteral("显示版本。"))
    , m_check(QStringLiteral("check"),
              QStringLiteral("不开窗口，只检查文件夹里的信和宣言，按编译器的格式报告，"
                             "并列出程序带着的音乐、短片和图片。"))
    , m_restore(QStringLiteral("restore"),
                QStringLiteral("把程序里的音乐、短片和图片全部恢复成内置的。"))
    , m_carryOver(QStringLiteral("carry-over"),
                  QCoreApplication::translate(
                          "EditorCommandLine",
                          "Carry the music, film and pictures of this older program over to "
                          "the program given in place of the folder (the launcher's upgrade)."),
                  QStringLiteral("old-program"))
{
    for (const AssetSlot &slot : AssetSlot::all())
        m_assets.append(QCommandLineOption(
                slot.option, QStringLiteral("把程序里的%1换成这个文件。").arg(slot.name),
                QStringLiteral("file")));
    m_parser.setApplicationDescription(QStringLiteral("编辑 Velmora 放映的信和宣言。"));
    m_parser.addOptions({ m_help, m_version, m_check, m_restore, m_carryOver });
    m_parser.addOptions(m_assets);
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
    else if (m_parser.isSet(m_carryOver) && m_parser.positionalArguments().size() != 1)
        m_error = QCoreApplication::translate("EditorCommandLine",
                                              "--carry-over takes the older program and the new one");
    else if (int(check()) + int(restore()) + int(assetSlot() != nullptr)
                     + int(m_parser.isSet(m_carryOver))
             > 1
             || std::count_if(m_assets.begin(), m_assets.end(),
                              [this](const QCommandLineOption &o) { return m_parser.isSet(o); })
                     > 1)
        m_error = QStringLiteral("--check、--restore 和换文件的选项一次只能用一个");
    return m_error.isEmpty();
}

QString EditorCommandLine::folder() const
{
    const QStringList positional = m_parser.positionalArguments();
    return positional.isEmpty() ? QString() : positional.first();
}

const AssetSlot *EditorCommandLine::assetSlot() const
{
    for (qsizetype i = 0; i < m_assets.size(); ++i)
        if (m_parser.isSet(m_assets[i]))
            return &AssetSlot::all()[i];
    return nullptr;
}

QString EditorCommandLine::assetFile() const
{
    for (const QCommandLineOption &option : m_assets)
        if (m_parser.isSet(option))
            return m_parser.value(option);
    return {};
}

bool EditorCommandLine::windowless() const
{
    return check() || restore() || assetSlot() || !carryOverFrom().isEmpty() || helpAsked()
            || versionAsked();
}
