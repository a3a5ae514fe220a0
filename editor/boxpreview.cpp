// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/boxpreview.h"

#include "desktop/desktopmessageboxes.h"
#include "editor/titlebar.h"
#include "runtime/chineseinterface.h"
#include "stage/buttonwords.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The box's words; its buttons in the chosen language or, as the show falls
// back, in Chinese.
BoxButtonTexts buttonTexts(const Words &words, Reason *problem)
{
    auto chosen = ButtonWords::forLanguage(words.buttons, problem);
    if (!chosen) {
        Reason none;
        chosen = ButtonWords::forLanguage(Words().buttons, &none);
    }
    return { chosen->yes, chosen->no, chosen->ok };
}

// The box shown where no one sees it: it lays itself out for the screen as
// it does when the show raises it.
std::unique_ptr<QMessageBox> laidOut(const ShowBox &box, const Words &words, Reason *problem)
{
    std::unique_ptr<QMessageBox> built = DesktopMessageBoxes::buildBox(
            words.*box.prompt, box.buttons, words.*box.title, buttonTexts(words, problem));
    // In the show's face, whatever language the editor speaks.
    built->setFont(chineseInterfaceFont());
    built->setAttribute(Qt::WA_DontShowOnScreen);
    built->setAttribute(Qt::WA_ShowWithoutActivating);
    built->show();
    return built;
}
} // namespace

const QList<ShowBox> &ShowBox::all()
{
    static const QList<ShowBox> boxes {
        { QT_TRANSLATE_NOOP("BoxPreview", "Question box"), &Words::questionPrompt,
          &Words::questionTitle, BoxButtons::YesNo },
        { QT_TRANSLATE_NOOP("BoxPreview", "Matchmaker box"), &Words::matchmakerPrompt,
          &Words::matchmakerTitle, BoxButtons::YesNo },
        { QT_TRANSLATE_NOOP("BoxPreview", "Plea box"), &Words::pleaPrompt, &Words::pleaTitle,
          BoxButtons::YesNo },
        { QT_TRANSLATE_NOOP("BoxPreview", "Plea's matchmaker box"), &Words::pleaMatchmakerPrompt,
          &Words::pleaMatchmakerTitle, BoxButtons::YesNo },
        { QT_TRANSLATE_NOOP("BoxPreview", "Vow box"), &Words::vowPrompt, &Words::vowTitle,
          BoxButtons::Ok },
    };
    return boxes;
}

QString ShowBox::name() const
{
    return BoxPreview::tr(englishName);
}

namespace {
QString keyOf(QString Words::*member)
{
    for (const WordsField &field : WordsField::all())
        if (field.member == member)
            return field.key;
    return {};
}
} // namespace

QString ShowBox::promptKey() const
{
    return keyOf(prompt);
}

QString ShowBox::titleKey() const
{
    return keyOf(title);
}

const ShowBox *ShowBox::saying(const QString &wordsKey)
{
    for (const ShowBox &box : all())
        if (box.promptKey() == wordsKey || box.titleKey() == wordsKey)
            return &box;
    return nullptr;
}

BoxPicture drawShowBox(const ShowBox &box, const Words &words)
{
    BoxPicture picture;
    const std::unique_ptr<QMessageBox> shown = laidOut(box, words, &picture.buttonsProblem);
    picture.inside = shown->grab();
    picture.title = words.*box.title; // as the title bar shows it
    for (const QAbstractButton *button : shown->buttons())
        picture.buttons << button->text();
    const Qt::WindowFlags flags = shown->windowFlags();
    picture.closable = !flags.testFlag(Qt::CustomizeWindowHint)
            || flags.testFlag(Qt::WindowCloseButtonHint);
    return picture;
}

QSize measureShowBox(const ShowBox &box, const Words &words)
{
    Reason problem;
    return laidOut(box, words, &problem)->size();
}

QList<Warning> boxWarnings(const Words &words, const QSize &available)
{
    QList<Warning> warnings;
    for (const ShowBox &box : ShowBox::all()) {
        const QSize size = measureShowBox(box, words);
        if (size.width() > available.width())
            warnings.append({ box.promptKey(), 0,
                              BoxPreview::tr("the box is %1 pixels wide, wider than this screen (%2 pixels): "
                                 "part of it is out of sight")
                                      .arg(size.width())
                                      .arg(available.width()) });
        if (size.height() > available.height())
            warnings.append({ box.promptKey(), 0,
                              BoxPreview::tr("the box is %1 pixels high, higher than this screen (%2 pixels): "
                                 "its buttons may be out of reach")
                                      .arg(size.height())
                                      .arg(available.height()) });
    }
    return warnings;
}

BoxPreview::BoxPreview(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    constexpr int desktop = 8; // of the desktop around the box
    layout->setContentsMargins(desktop, desktop, desktop, desktop);
    layout->setSpacing(0);
    m_titleBar = new TitleBar(this);
    m_inside = new QLabel(this);
    m_inside->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    m_note->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(m_titleBar);
    layout->addWidget(m_inside);
    layout->addSpacing(4);
    layout->addWidget(m_note);
    layout->addStretch(1);
}

void BoxPreview::showBox(const ShowBox &box, const Words &words)
{
    m_picture = drawShowBox(box, words);
    m_titleBar->setTitle(m_picture.title);
    m_titleBar->setClosable(m_picture.closable);
    m_titleBar->setFixedWidth(m_picture.inside.deviceIndependentSize().toSize().width());
    m_inside->setPixmap(m_picture.inside);
    m_inside->setAccessibleName(box.name());
    m_note->setText(m_picture.buttonsProblem.isEmpty()
                            ? QString()
                            : BoxPreview::tr("The show would say Chinese on the buttons: %1")
                                      .arg(m_picture.buttonsProblem.text()));
    m_note->setVisible(!m_picture.buttonsProblem.isEmpty());
}
