<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BoxPreview</name>
    <message>
        <source>Question box</source>
        <translation>询问框</translation>
    </message>
    <message>
        <source>Matchmaker box</source>
        <translation>红娘框</translation>
    </message>
    <message>
        <source>Plea box</source>
        <translation>恳求框</translation>
    </message>
    <message>
        <source>Plea&apos;s matchmaker box</source>
        <translation>恳求之后的红娘框</translation>
    </message>
    <message>
        <source>Vow box</source>
        <translation>誓言框</translation>
    </message>
    <message>
        <source>the box is %1 pixels wide, wider than this screen (%2 pixels): part of it is out of sight</source>
        <translation>这个对话框宽 %1 像素，比这块屏幕（%2 像素）还宽：有一部分看不到</translation>
    </message>
    <message>
        <source>the box is %1 pixels high, higher than this screen (%2 pixels): its buttons may be out of reach</source>
        <translation>这个对话框高 %1 像素，比这块屏幕（%2 像素）还高：按钮可能够不着</translation>
    </message>
    <message>
        <source>The show would say Chinese on the buttons: %1</source>
        <translation>放映时按钮会说中文：%1</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>Present the show in its window (window, as built) or on the whole screen (screen), from now on.</source>
        <translation>从此以后在它的窗口里（window，默认）或在整个屏幕上（screen）演出。</translation>
    </message>
    <message>
        <source>%1; nothing is written</source>
        <translation>%1；什么都没有写</translation>
    </message>
    <message>
        <source>the show is presented %1: %2 is written
</source>
        <translation>演出%1：已写入 %2
</translation>
    </message>
    <message>
        <source>on the whole screen</source>
        <translation>在整个屏幕上</translation>
    </message>
    <message>
        <source>in its window</source>
        <translation>在它的窗口里</translation>
    </message>
    <message>
        <source>presentation: %1</source>
        <translation>演出方式：%1</translation>
    </message>
    <message>
        <source>No problems: every line can be seen, and the music still plays when the question comes.</source>
        <translation>没有问题：每一行都看得见，问题出现时音乐还在。</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>letter typed %1</source>
        <translation>信打完 %1</translation>
    </message>
    <message>
        <source>boy arrives %1</source>
        <translation>男孩走完 %1</translation>
    </message>
    <message>
        <source>question %1</source>
        <translation>问题 %1</translation>
    </message>
    <message>
        <source>music ends %1</source>
        <translation>音乐结束 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (U+%2)</source>
        <translation>“%1”(U+%2)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between characters</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>this line runs %1 pixels past the stage&apos;s right edge; what runs past is not seen</source>
        <translation>这一行超出舞台右边 %1 像素，超出的部分看不到</translation>
    </message>
    <message>
        <source>this line is below the stage&apos;s bottom edge and is not seen</source>
        <translation>这一行在舞台底边之下，看不到</translation>
    </message>
    <message>
        <source>the stage&apos;s bottom edge cuts %1 pixels off this line</source>
        <translation>这一行被舞台底边切掉 %1 像素</translation>
    </message>
    <message>
        <source>this line falls where the declaration stands and will overlap it</source>
        <translation>这一行落进了宣言的位置，会和宣言叠在一起</translation>
    </message>
    <message>
        <source>part of this line is hidden by a figure or the question</source>
        <translation>这一行有一部分被人物或问题挡住</translation>
    </message>
    <message>
        <source>the stage&apos;s font cannot draw these characters: %1</source>
        <translation>舞台的字体画不出这些字符：%1</translation>
    </message>
    <message>
        <source>the music ends at %1 but the question comes only at %2: from this line on there is no music</source>
        <translation>音乐在 %1结束，问题要到 %2才出现：从这一行起已经没有音乐</translation>
    </message>
    <message>
        <source>the question comes at %1 but the boy reaches the girl only at %2: the declaration is too short</source>
        <translation>问题在 %1出现，男孩要到 %2才走到女孩面前：宣言太短</translation>
    </message>
    <message>
        <source>%1 is written
</source>
        <translation>%1 已写好
</translation>
    </message>
    <message>
        <source> (%1 s)</source>
        <translation>（%1 秒）</translation>
    </message>
    <message>
        <source>%1 replaced by %2%3: %4</source>
        <translation>%1换成了 %2%3：%4</translation>
    </message>
    <message>
        <source>the built-in music, film, pictures and words are all back: %1</source>
        <translation>全部恢复成内置的音乐、短片、图片和演出里的话：%1</translation>
    </message>
    <message>
        <source>velmora-editor: %1 carries nothing whole: %2
</source>
        <translation>velmora-editor: %1 带着的东西都不完整：%2
</translation>
    </message>
    <message>
        <source>%1 assets of %2 carried over to %3
</source>
        <translation>%2 带着的 %1 样东西已带到 %3
</translation>
    </message>
    <message>
        <source>%1: missing (the show writes the default text), %2 characters
</source>
        <translation>%1：缺失（放映时写入默认文字），%2 个字符
</translation>
    </message>
    <message>
        <source>%1: %2, %3 bytes, %4 characters
</source>
        <translation>%1：%2，%3 字节，%4 个字符
</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder: give the folder the show is in</source>
        <translation>%1 是一个文件，不是文件夹：请给放映所在的文件夹</translation>
    </message>
    <message>
        <source>no permission to open the folder %1</source>
        <translation>没有权限打开文件夹 %1</translation>
    </message>
    <message>
        <source>velmora-editor: cannot read %1: %2
</source>
        <translation>velmora-editor: 读不了 %1：%2
</translation>
    </message>
    <message>
        <source>folder: %1
</source>
        <translation>文件夹：%1
</translation>
    </message>
    <message>
        <source>program: %1
</source>
        <translation>程序：%1
</translation>
    </message>
    <message>
        <source>program: not in the folder yet; %1 will be copied
</source>
        <translation>程序：文件夹里还没有，会复制 %1
</translation>
    </message>
    <message>
        <source>what the program carries cannot be used (%1); the show uses its own
</source>
        <translation>程序带着的东西用不了（%1），放映时用内置的
</translation>
    </message>
    <message>
        <source>%1: %2
</source>
        <translation>%1：%2
</translation>
    </message>
    <message>
        <source>timeline: %1
</source>
        <translation>时间线：%1
</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the marks of the timeline</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>warnings: %1
</source>
        <translation>%1 条提示
</translation>
    </message>
    <message>
        <source>Show this usage.</source>
        <translation>显示这份用法。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>Open no window: check the folder&apos;s letter and declaration, report as a compiler does, and list the music, film and pictures the program carries.</source>
        <translation>不开窗口，只检查文件夹里的信和宣言，按编译器的格式报告，并列出程序带着的音乐、短片和图片。</translation>
    </message>
    <message>
        <source>Bring back the built-in music, film, pictures and words in the program.</source>
        <translation>把程序里的音乐、短片、图片和演出里的话全部恢复成内置的。</translation>
    </message>
    <message>
        <source>Carry the music, film and pictures of this older program over to the program given in place of the folder (the launcher&apos;s upgrade).</source>
        <translation>把这个旧程序带着的音乐、短片和图片带到文件夹位置上给出的程序里（启动器升级时用）。</translation>
    </message>
    <message>
        <source>Write every text the show says, its address and its buttons&apos; language, defaults included, to this file.</source>
        <translation>把演出里的每一句话、网址和按钮的语言（包括默认的）写进这个文件。</translation>
    </message>
    <message>
        <source>Set the show&apos;s words from this file (as --export-words writes it).</source>
        <translation>按这个文件（--export-words 写出的格式）设定演出里的话。</translation>
    </message>
    <message>
        <source>Replace the program&apos;s %1 with this file.</source>
        <translation>把程序里的%1换成这个文件。</translation>
    </message>
    <message>
        <source>Edit the letter and the declaration of a Velmora show.</source>
        <translation>编辑 Velmora 放映的信和宣言。</translation>
    </message>
    <message>
        <source>The show&apos;s folder; without it, the editor&apos;s own folder.</source>
        <translation>放映的文件夹；不给时是编辑器所在的文件夹。</translation>
    </message>
    <message>
        <source>only one folder can be given, but %1 were: %2</source>
        <translation>只能给一个文件夹，却给了 %1 个：%2</translation>
    </message>
    <message>
        <source>--carry-over takes the older program and the new one</source>
        <translation>--carry-over 要给旧程序和新程序</translation>
    </message>
    <message>
        <source>Velmora Editor</source>
        <translation>Velmora 编辑器</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation>不保存(&amp;D)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere, and the window holds unsaved changes.</source>
        <translation>%1 在别处被改动了，而窗口里还有没保存的修改。</translation>
    </message>
    <message>
        <source>Replace the window&apos;s text with %1 as it is on disk, or keep the window&apos;s?</source>
        <translation>要用磁盘上的 %1 换掉窗口里的文字，还是保留窗口里的？</translation>
    </message>
    <message>
        <source>&amp;Reload (lose my changes)</source>
        <translation>重新读入（放弃我的修改）(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep mine (saving writes over it)</source>
        <translation>保留我的（保存时写过它）(&amp;K)</translation>
    </message>
    <message>
        <source>Save mine &amp;As…</source>
        <translation>把我的另存为…(&amp;A)</translation>
    </message>
    <message>
        <source>Save My Text As</source>
        <translation>把我的文字另存为</translation>
    </message>
    <message>
        <source>Texts (*.ini *.txt);;All files (*)</source>
        <translation>文字 (*.ini *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>When this folder was last edited, some text was left unsaved (a recovery copy kept at %1).</source>
        <translation>上次编辑这个文件夹时，有没保存的文字（%1 自动留下的恢复副本）。</translation>
    </message>
    <message>
        <source>Restored text comes back to the window; it goes into the folder when you save.</source>
        <translation>恢复后，文字回到窗口里，保存了才写进文件夹。</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>丢弃(&amp;D)</translation>
    </message>
    <message>
        <source>velmora-editor --help shows the usage.</source>
        <translation>用 velmora-editor --help 看用法。</translation>
    </message>
    <message>
        <source>The editor cannot open: %1.</source>
        <translation>编辑器打不开：%1。</translation>
    </message>
    <message>
        <source>Another Velmora editor has the folder %1 open but does not answer.</source>
        <translation>另一个 Velmora 编辑器正开着文件夹 %1，却没有回应。</translation>
    </message>
    <message>
        <source>no permission to open the folder it is in</source>
        <translation>没有权限打开它所在的文件夹</translation>
    </message>
    <message>
        <source>the file is too large (%1 MB): a letter or a declaration holds at most %2 MB</source>
        <translation>文件太大（%1 MB）：信和宣言最多 %2 MB</translation>
    </message>
    <message>
        <source>this is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>the folder cannot be written (it is read-only, or you may not write in it)</source>
        <translation>文件夹不能写入（它是只读的，或者你没有写入权限）</translation>
    </message>
    <message>
        <source>this file cannot be written (it is read-only, or you may not write it)</source>
        <translation>这个文件不能写入（它是只读的，或者你没有写入权限）</translation>
    </message>
    <message>
        <source>the new file cannot take the old one&apos;s place</source>
        <translation>无法用新文件换下原来的文件</translation>
    </message>
    <message>
        <source>writing failed (the disk may be full)</source>
        <translation>写入时出错（磁盘可能满了）</translation>
    </message>
    <message>
        <source>cannot save</source>
        <translation>无法保存</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>UTF-8 with a byte order mark</source>
        <translation>UTF-8（带字节顺序标记）</translation>
    </message>
    <message>
        <source>UTF-16 LE with a byte order mark</source>
        <translation>UTF-16 LE（带字节顺序标记）</translation>
    </message>
    <message>
        <source>UTF-16 BE with a byte order mark</source>
        <translation>UTF-16 BE（带字节顺序标记）</translation>
    </message>
    <message>
        <source>UTF-32 LE with a byte order mark</source>
        <translation>UTF-32 LE（带字节顺序标记）</translation>
    </message>
    <message>
        <source>UTF-32 BE with a byte order mark</source>
        <translation>UTF-32 BE（带字节顺序标记）</translation>
    </message>
    <message>
        <source>music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>film</source>
        <translation>短片</translation>
    </message>
    <message>
        <source>boy</source>
        <translation>男孩</translation>
    </message>
    <message>
        <source>girl</source>
        <translation>女孩</translation>
    </message>
    <message>
        <source>background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>%1 is no picture that can be read (%2)</source>
        <translation>%1 不是能读的图片（%2）</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>读不了 %1：%2</translation>
    </message>
    <message>
        <source>%1 is too large: at most %2 MB in all</source>
        <translation>%1 太大了：一共最多 %2 MB</translation>
    </message>
    <message>
        <source>%1 cannot be played: %2</source>
        <translation>%1 放不了：%2</translation>
    </message>
    <message>
        <source>built in</source>
        <translation>内置</translation>
    </message>
    <message>
        <source>%1, %2×%3 pixels, %4</source>
        <translation>%1，%2×%3 像素，%4</translation>
    </message>
    <message>
        <source>%1, %2 s, %3</source>
        <translation>%1，%2 秒，%3</translation>
    </message>
    <message>
        <source>cannot write</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>there is no show program velmora in %1, nor beside the editor</source>
        <translation>%1 里没有放映程序 velmora，编辑器旁边也没有</translation>
    </message>
    <message>
        <source>%1 is not a Velmora show program</source>
        <translation>%1 不是 Velmora 的放映程序</translation>
    </message>
    <message>
        <source>not enough disk space: %1 MB needed, %2 MB left</source>
        <translation>磁盘空间不够：要 %1 MB，只剩 %2 MB</translation>
    </message>
    <message>
        <source>cannot write %1: %2; the old program is untouched</source>
        <translation>写不进 %1：%2；原来的程序没有动</translation>
    </message>
    <message>
        <source>velmora-editor: %1; the defaults are written
</source>
        <translation>velmora-editor: %1；写出的是默认的话
</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>写不进 %1：%2</translation>
    </message>
    <message>
        <source>the show&apos;s words are written to %1
</source>
        <translation>演出里的话已写进 %1
</translation>
    </message>
    <message>
        <source>%1 is too large for a words file</source>
        <translation>%1 太大了，不是演出里的话的文件</translation>
    </message>
    <message>
        <source>nothing is written</source>
        <translation>什么都没有写入</translation>
    </message>
    <message>
        <source>the show&apos;s words are set from %1 (%2 differ from the defaults): %3 is written
</source>
        <translation>演出里的话已按 %1 设定（%2 句和默认的不同）：%3 已写好
</translation>
    </message>
    <message>
        <source>the show&apos;s words: unusable (%1); the show says the defaults
</source>
        <translation>演出里的话：用不了（%1），放映时说默认的话
</translation>
    </message>
    <message>
        <source>the show&apos;s words: the defaults
</source>
        <translation>演出里的话：默认的
</translation>
    </message>
    <message>
        <source>the show&apos;s words: %1 differ from the defaults
</source>
        <translation>演出里的话：%1 句和默认的不同
</translation>
    </message>
    <message>
        <source>more than half of this line is hidden behind the figures</source>
        <translation>这一行有一半以上被人物挡住</translation>
    </message>
    <message>
        <source>letter</source>
        <translation>信</translation>
    </message>
    <message>
        <source>declaration</source>
        <translation>宣言</translation>
    </message>
    <message>
        <source>%1 was deleted elsewhere</source>
        <translation>%1 在别处被删除了</translation>
    </message>
    <message>
        <source>%1 was deleted elsewhere; saving writes it again</source>
        <translation>%1 在别处被删除了，保存时会重新写入</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere and is read again</source>
        <translation>%1 在别处被改动了，已重新读入</translation>
    </message>
    <message>
        <source>%1 is read again from disk; the window&apos;s changes are dropped</source>
        <translation>%1 已按磁盘上的重新读入，窗口里的修改放弃了</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere; the window keeps its text, and saving writes over it</source>
        <translation>%1 在别处被改动了；窗口里的文字保留着，保存时会写过它</translation>
    </message>
    <message>
        <source>%1 (mine).%2</source>
        <translation>%1（我的）.%2</translation>
    </message>
    <message>
        <source>Saving to %1 failed: %2</source>
        <translation>另存到 %1 没有成功：%2</translation>
    </message>
    <message>
        <source>Your %1 is saved as %2; the window now holds %3 as it is on disk</source>
        <translation>你的%1已另存为 %2；窗口里现在是磁盘上的 %3</translation>
    </message>
    <message>
        <source>; %1 broken characters (lone surrogates) cannot be saved and are left out; the show would not draw them either</source>
        <translation>；%1 个残缺的字符（孤立的代理项）无法保存，已略去，放映时也不会显示</translation>
    </message>
    <message>
        <source>%1 (%2%3)</source>
        <translation>%1（%2%3）</translation>
    </message>
    <message>
        <source>cannot read the folder: %1</source>
        <translation>读不了这个文件夹：%1</translation>
    </message>
    <message>
        <source>Unsaved changes: %1. Save them before closing?</source>
        <translation>%1有未保存的修改。关闭前要保存吗？</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts not saved</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1; a second editor on this folder is not kept out</source>
        <translation>%1；这个文件夹上的第二个编辑器不会被挡住</translation>
    </message>
    <message>
        <source>this line runs %1 pixels past the stage&apos;s left edge; what runs past is not seen</source>
        <translation>这一行超出舞台左边 %1 像素，超出的部分看不见</translation>
    </message>
    <message>
        <source>the show&apos;s pace: unusable (%1); the show keeps its own
</source>
        <translation>演出的速度：用不了（%1），演出用它自己的
</translation>
    </message>
    <message>
        <source>Type the letter and the declaration at these milliseconds a character (%1 to %2; the default is %3 %4), or fit the letter to the song: --pace LETTER_MS DECLARATION_MS, or --pace fit.</source>
        <translation>信和宣言每个字打多少毫秒（%1 到 %2；默认是 %3 %4），或者让信配合歌曲的长度：--pace 信的毫秒 宣言的毫秒，或 --pace fit。</translation>
    </message>
    <message>
        <source>Draw the letter or the declaration in this font file (carried in the program), this installed family, or the stage&apos;s own: --typeface letter|declaration FILE|FAMILY|default.</source>
        <translation>用这个字体文件（装进程序里）、这个已安装的字体，或舞台自己的字体来画信或宣言：--typeface letter|declaration 文件|字体名|default。</translation>
    </message>
    <message>
        <source>--typeface takes the text, then a font file, a family or &quot;default&quot;</source>
        <translation>--typeface 后面先写哪段文字，再写字体文件、字体名或 “default”</translation>
    </message>
    <message>
        <source>--check, --restore, --export-words, --words, --presentation, --pace, --typeface and the options that replace a file are used one at a time</source>
        <translation>--check、--restore、--export-words、--words、--presentation、--pace、--typeface 和替换文件的选项一次只能用一个</translation>
    </message>
    <message>
        <source>the pace &quot;%1&quot; is neither &quot;fit&quot; nor the letter&apos;s and the declaration&apos;s milliseconds a character</source>
        <translation>速度“%1”既不是 “fit”，也不是信和宣言每个字的毫秒数</translation>
    </message>
    <message>
        <source>the pace %1 ms a character is outside %2 to %3 ms</source>
        <translation>每个字 %1 毫秒的速度不在 %2 到 %3 毫秒之间</translation>
    </message>
    <message>
        <source>the show&apos;s pace is of a version this program does not read</source>
        <translation>演出速度的版本，这个程序读不了</translation>
    </message>
    <message>
        <source>the show&apos;s pace is damaged</source>
        <translation>演出的速度坏了</translation>
    </message>
    <message>
        <source>pace: the letter fitted to the song (the question %1 s before the music ends), the declaration %2 ms a character
</source>
        <translation>速度：信配合歌曲（问题在音乐结束前 %1 秒出现），宣言每个字 %2 毫秒
</translation>
    </message>
    <message>
        <source>pace: the letter %1 ms a character, the declaration %2 ms%3
</source>
        <translation>速度：信每个字 %1 毫秒，宣言 %2 毫秒%3
</translation>
    </message>
    <message>
        <source> (the default)</source>
        <translation>（默认）</translation>
    </message>
    <message>
        <source>the letter&apos;s typeface</source>
        <translation>信的字体</translation>
    </message>
    <message>
        <source>the declaration&apos;s typeface</source>
        <translation>宣言的字体</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>读不了 %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 大于 %2 MB</translation>
    </message>
    <message>
        <source>%1 is no TrueType or OpenType font</source>
        <translation>%1 不是 TrueType 或 OpenType 字体</translation>
    </message>
    <message>
        <source>%1 is a damaged font</source>
        <translation>%1 是一个坏了的字体</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a font file nor a family installed here</source>
        <translation>“%1”既不是字体文件，也不是这台电脑上装着的字体</translation>
    </message>
    <message>
        <source>--typeface is for &quot;letter&quot; or &quot;declaration&quot;, not &quot;%1&quot;</source>
        <translation>--typeface 用于 “letter” 或 “declaration”，不是 “%1”</translation>
    </message>
    <message>
        <source>%1: the stage&apos;s own; %2 is written
</source>
        <translation>%1：舞台自己的；已写入 %2
</translation>
    </message>
    <message>
        <source>%1: %2; %3 is written
</source>
        <translation>%1：%2；已写入 %3
</translation>
    </message>
    <message>
        <source>%1: the stage&apos;s own
</source>
        <translation>%1：舞台自己的
</translation>
    </message>
    <message>
        <source>%1: unusable (%2); the show draws in the stage&apos;s own
</source>
        <translation>%1：用不了（%2），演出用舞台自己的字体
</translation>
    </message>
    <message>
        <source>%1: %2 (from %3)
</source>
        <translation>%1：%2（来自 %3）
</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>letter</source>
        <translation>信</translation>
    </message>
    <message>
        <source>declaration</source>
        <translation>宣言</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>文件夹：%1</translation>
    </message>
    <message>
        <source>The stage when the question comes</source>
        <translation>问题出现时的舞台</translation>
    </message>
    <message>
        <source>Double-click a warning to go to its line</source>
        <translation>双击一条提示，跳到那一行</translation>
    </message>
    <message>
        <source>Break Long Lines</source>
        <translation>断开过长的行</translation>
    </message>
    <message>
        <source>Breaks the lines at the stage&apos;s right edge; Ctrl+Z undoes it</source>
        <translation>在舞台右边处换行，可以撤销（Ctrl+Z）</translation>
    </message>
    <message>
        <source>Save (Ctrl+S)</source>
        <translation>保存 (Ctrl+S)</translation>
    </message>
    <message>
        <source>Rehearse (F5)</source>
        <translation>彩排 (F5)</translation>
    </message>
    <message>
        <source>Saves, then plays the whole show from this folder</source>
        <translation>保存，然后从这个文件夹完整放映一遍</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>读不出 %1：%2</translation>
    </message>
    <message>
        <source>not written yet (this is the default text the show writes)</source>
        <translation>尚未写入（这是放映时会写入的默认文字）</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>读不出：%1</translation>
    </message>
    <message>
        <source>%1, %2 bytes</source>
        <translation>%1，%2 字节</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;  %2  %3</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&#x3000;%2&#x3000;%3</translation>
    </message>
    <message>
        <source>The recovery copy is discarded</source>
        <translation>恢复副本已丢弃</translation>
    </message>
    <message>
        <source>The text left unsaved last time is restored; it goes into the folder when you save</source>
        <translation>上次没保存的文字已恢复；保存之后才写进文件夹</translation>
    </message>
    <message>
        <source>The program velmora was changed elsewhere: listed here is the music, film and pictures it now carries</source>
        <translation>程序 velmora 在别处被改动了：这里列出的是它现在带着的音乐、短片和图片</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between messages</comment>
        <translation>；</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;  %2  was deleted elsewhere; saving writes it again</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&#x3000;%2&#x3000;在别处被删除了，保存时会重新写入</translation>
    </message>
    <message>
        <source>%1 line %2</source>
        <translation>%1 第 %2 行</translation>
    </message>
    <message>
        <source>%1[*] — Velmora Editor</source>
        <translation>%1[*] — Velmora 编辑器</translation>
    </message>
    <message>
        <source>saved as GBK</source>
        <translation>已保存为 GBK</translation>
    </message>
    <message>
        <source>saved as UTF-8 with a byte order mark, since some characters do not fit GBK</source>
        <translation>已保存为 UTF-8（带字节顺序标记），因为有 GBK 写不下的字符</translation>
    </message>
    <message>
        <source>; %1 broken characters (lone surrogates) cannot be saved and are left out; the show would not draw them either</source>
        <translation>；%1 个残缺的字符（孤立的代理项）无法保存，已略去，放映时也不会显示</translation>
    </message>
    <message>
        <source>Saving failed:
%1

All the text is still in the window; nothing is lost. Mend the folder&apos;s permissions or free some disk space, then save again.</source>
        <translation>保存失败：
%1

文字都还在窗口里，没有丢失。请修好文件夹的权限或腾出磁盘空间后再保存。</translation>
    </message>
    <message>
        <source>Saving failed: %1</source>
        <translation>保存失败：%1</translation>
    </message>
    <message>
        <source>Saved: %1</source>
        <translation>已保存：%1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the files saved</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>Long lines are broken at the stage&apos;s right edge (Ctrl+Z undoes it)</source>
        <translation>过长的行已在舞台右边处断开（Ctrl+Z 可以撤销）</translation>
    </message>
    <message>
        <source>No line runs past the stage&apos;s right edge</source>
        <translation>没有超出舞台右边的行</translation>
    </message>
    <message>
        <source>The show&apos;s program velmora is not found: it is neither in %1 nor beside the editor.</source>
        <translation>找不到放映程序 velmora：它既不在 %1，也不在编辑器旁边。</translation>
    </message>
    <message>
        <source>The show&apos;s program %1 cannot be started.</source>
        <translation>放映程序 %1 启动不了。</translation>
    </message>
    <message>
        <source>Saved; the rehearsal has started</source>
        <translation>已保存，彩排开始了</translation>
    </message>
    <message>
        <source>Letter and declaration</source>
        <translation>信和宣言</translation>
    </message>
    <message>
        <source>The show&apos;s words</source>
        <translation>演出里的话</translation>
    </message>
    <message>
        <source>; the show&apos;s words follow what it carries now</source>
        <translation>；演出里的话也随它现在带着的更新了</translation>
    </message>
    <message>
        <source>the show&apos;s words: %1</source>
        <translation>演出里的话：%1</translation>
    </message>
    <message>
        <source>the show&apos;s words (in velmora)</source>
        <translation>演出里的话（在 velmora 里）</translation>
    </message>
    <message>
        <source>not saved, as the show could not use it: %1</source>
        <translation>没有保存，因为演出用不了：%1</translation>
    </message>
    <message>
        <source>Not saved, as the show could not use it:
%1

Everything else is saved. The refused text stays in the window.</source>
        <translation>没有保存，因为演出用不了：
%1

其余的都已保存。没被接受的文字还留在窗口里。</translation>
    </message>
    <message>
        <source>the letter</source>
        <translation>信</translation>
    </message>
    <message>
        <source>the declaration</source>
        <translation>宣言</translation>
    </message>
    <message>
        <source>the show&apos;s words</source>
        <translation>演出里的话</translation>
    </message>
</context>
<context>
    <name>OwnAssetsPanel</name>
    <message>
        <source>Music (*.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.wav);;All files (*)</source>
        <translation>音乐 (*.mp3 *.m4a *.aac *.ogg *.oga *.opus *.flac *.wav);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Films (*.avi *.mp4 *.m4v *.mkv *.webm *.mov *.ogv);;All files (*)</source>
        <translation>短片 (*.avi *.mp4 *.m4v *.mkv *.webm *.mov *.ogv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.bmp *.gif);;All files (*)</source>
        <translation>图片 (*.jpg *.jpeg *.png *.webp *.bmp *.gif);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Music, Film and Pictures</source>
        <translation>音乐、短片和图片</translation>
    </message>
    <message>
        <source>Choose a %1</source>
        <translation>选一个%1</translation>
    </message>
    <message>
        <source>Use My Own…</source>
        <translation>换成我的…</translation>
    </message>
    <message>
        <source>Use my own %1</source>
        <translation>换成我的%1</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Restore the default %1</source>
        <translation>恢复默认的%1</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>What the program carries cannot be used (%1); the show uses its own.</source>
        <translation>程序带着的东西用不了（%1），放映时用内置的。</translation>
    </message>
    <message>
        <source>built-in %1</source>
        <translation>内置的%1</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>%1 at four times the size</source>
        <translation>四倍大小的%1</translation>
    </message>
    <message>
        <source>presentation &quot;%1&quot; is neither &quot;window&quot; nor &quot;screen&quot;</source>
        <translation>presentation 的“%1”既不是“window”也不是“screen”</translation>
    </message>
    <message>
        <source>%1 holds a NUL character</source>
        <translation>%1 里有 NUL 字符</translation>
    </message>
    <message>
        <source>%1 is %2 characters long; at most %3 are taken</source>
        <translation>%1 有 %2 个字符，最多只能 %3 个</translation>
    </message>
    <message>
        <source>buttons &quot;%1&quot; is no language name such as zh_CN, en or de</source>
        <translation>buttons 的“%1”不是 zh_CN、en、de 这样的语言名</translation>
    </message>
    <message>
        <source>the address &quot;%1&quot; holds a blank or a control character</source>
        <translation>网址“%1”里有空白或控制字符</translation>
    </message>
    <message>
        <source>the address &quot;%1&quot; is not an http or https address</source>
        <translation>网址“%1”不是 http 或 https 网址</translation>
    </message>
    <message>
        <source>the address &quot;%1&quot; names no site</source>
        <translation>网址“%1”没有写网站</translation>
    </message>
    <message>
        <source>the presentation &quot;%1&quot; is not one this program knows; the show plays in its window</source>
        <translation>这个程序不认识演出方式“%1”；演出在它的窗口里进行</translation>
    </message>
    <message>
        <source>a continued line (&quot;|&quot;) with no &quot;key = text&quot; above it</source>
        <translation>接续行（“|”）上面没有“键 = 文字”</translation>
    </message>
    <message>
        <source>not &quot;key = text&quot;, a comment (&quot;#&quot;) or a continued line (&quot;|&quot;)</source>
        <translation>既不是“键 = 文字”，也不是注释（“#”）或接续行（“|”）</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>不认识的键“%1”</translation>
    </message>
    <message>
        <source>%1 is given again (first on line %2)</source>
        <translation>%1 又给了一次（第一次在第 %2 行）</translation>
    </message>
    <message>
        <source>the show&apos;s words are of a version this program does not read</source>
        <translation>演出里的话的版本，这个程序读不了</translation>
    </message>
    <message>
        <source>the show&apos;s words are no UTF-8 text</source>
        <translation>演出里的话不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>the show&apos;s words are damaged (line %1: %2)</source>
        <translation>演出里的话坏了（第 %1 行：%2）</translation>
    </message>
    <message>
        <source>there is no translation of Qt for &quot;%1&quot; here (qtbase_%1.qm in %2)</source>
        <translation>这里没有 Qt 的“%1”译文（%2 里的 qtbase_%1.qm）</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>读不了这个文件</translation>
    </message>
    <message>
        <source>this machine has no player for music and films</source>
        <translation>这台电脑上没有能放音乐和短片的播放器</translation>
    </message>
    <message>
        <source>the show&apos;s player cannot open it (%1)</source>
        <translation>放映用的播放器打不开它（%1）</translation>
    </message>
    <message>
        <source>the show&apos;s player cannot open it</source>
        <translation>放映用的播放器打不开它</translation>
    </message>
    <message>
        <source>it holds no pictures</source>
        <translation>里面没有画面</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>里面没有声音</translation>
    </message>
    <message>
        <source>the show&apos;s player cannot tell how long it lasts</source>
        <translation>放映用的播放器读不出它有多长</translation>
    </message>
    <message>
        <source>the music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>the film</source>
        <translation>短片</translation>
    </message>
    <message>
        <source>the background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>the walking figure</source>
        <translation>走动的小人</translation>
    </message>
    <message>
        <source>the waiting figure</source>
        <translation>等待的小人</translation>
    </message>
    <message>
        <source>the show&apos;s words</source>
        <translation>演出里的话</translation>
    </message>
    <message>
        <source>%1 at twice the size</source>
        <translation>两倍大小的%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>it carries an unknown asset &quot;%1&quot;</source>
        <translation>它带着一个不认识的东西“%1”</translation>
    </message>
    <message>
        <source>it carries %1 twice</source>
        <translation>它带了两份%1</translation>
    </message>
    <message>
        <source>the place of %1 lies outside the bundle</source>
        <translation>%1的位置在包的外面</translation>
    </message>
    <message>
        <source>its assets come to %1, more than the %2 allowed</source>
        <translation>它带的东西共 %1，超过了允许的 %2</translation>
    </message>
    <message>
        <source>two of its assets overlap</source>
        <translation>它带的两样东西重叠了</translation>
    </message>
    <message>
        <source>its directory does not hold %1 whole entries</source>
        <translation>它的目录里没有完整的 %1 项</translation>
    </message>
    <message>
        <source>the program file cannot be read</source>
        <translation>读不了程序文件</translation>
    </message>
    <message>
        <source>%1 unknown bytes follow the program</source>
        <translation>程序后面跟着 %1 个不认识的字节</translation>
    </message>
    <message>
        <source>the bundle is cut off within its header</source>
        <translation>包在头部就断了</translation>
    </message>
    <message>
        <source>the bundle is of version %1; this program reads versions 1 to %2</source>
        <translation>包的版本是 %1；这个程序只读得了 1 到 %2 版</translation>
    </message>
    <message>
        <source>the bundle is cut off: %1 of its %2 bytes are there</source>
        <translation>包被截断了：%2 个字节里只有 %1 个</translation>
    </message>
    <message>
        <source>%1 unknown bytes follow the bundle</source>
        <translation>包后面跟着 %1 个不认识的字节</translation>
    </message>
    <message>
        <source>its header is damaged</source>
        <translation>它的头部坏了</translation>
    </message>
    <message>
        <source>its end is damaged</source>
        <translation>它的结尾坏了</translation>
    </message>
    <message>
        <source>its directory is damaged (the checksum does not match)</source>
        <translation>它的目录坏了（校验和对不上）</translation>
    </message>
    <message>
        <source>%1 cannot be read whole</source>
        <translation>%1读不完整</translation>
    </message>
    <message>
        <source>%1 is damaged (the checksum does not match)</source>
        <translation>%1坏了（校验和对不上）</translation>
    </message>
    <message>
        <source>the assets come to %1, more than the %2 a program may carry</source>
        <translation>这些东西共 %1，超过了一个程序能带的 %2</translation>
    </message>
    <message>
        <source>cannot read the program file: %1</source>
        <translation>读不了程序文件：%1</translation>
    </message>
    <message>
        <source>the file is not a program</source>
        <translation>这个文件不是程序</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>无法建立 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 属于另一个用户</translation>
    </message>
    <message>
        <source>%1 is open to other users</source>
        <translation>其他用户也能进入 %1</translation>
    </message>
    <message>
        <source>%1 holds a line break or a control character (U+%2); it is shown on one line</source>
        <translation>%1 里有换行或控制字符（U+%2）；它只显示成一行</translation>
    </message>
    <message>
        <source>the show&apos;s pace</source>
        <translation>演出的速度</translation>
    </message>
    <message>
        <source>the letter&apos;s typeface</source>
        <translation>信的字体</translation>
    </message>
    <message>
        <source>the declaration&apos;s typeface</source>
        <translation>宣言的字体</translation>
    </message>
</context>
<context>
    <name>TimelineView</name>
    <message>
        <source>   </source>
        <translation>&#x3000;</translation>
    </message>
</context>
<context>
    <name>WordsFile</name>
    <message>
        <source># The show&apos;s words. Each text stands after &quot;key =&quot; and one space;
# a line starting with &quot;|&quot; goes on with the text above on a new line.
# A key left out keeps its default. Only http and https addresses are opened.
# buttons: the language of the Yes/No buttons by Qt&apos;s translation (zh_CN, en, de...).
</source>
        <translation># 演出里的话。每句话写在“键 =”和一个空格之后；
# 以“|”开头的行接着上面的话另起一行。
# 没写的键用默认的话。只打开 http 和 https 网址。
# buttons：是/否按钮的语言，按 Qt 的译文命名（zh_CN、en、de……）。
</translation>
    </message>
</context>
<context>
    <name>WordsPanel</name>
    <message>
        <source>Presented</source>
        <translation>演出方式</translation>
    </message>
    <message>
        <source>In its window, as built</source>
        <translation>在它的窗口里（默认）</translation>
    </message>
    <message>
        <source>On the whole screen</source>
        <translation>在整个屏幕上</translation>
    </message>
    <message>
        <source>The window and the stage</source>
        <translation>窗口和舞台</translation>
    </message>
    <message>
        <source>Window caption</source>
        <translation>窗口标题</translation>
    </message>
    <message>
        <source>Question beside the girl</source>
        <translation>女孩旁边的问题</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Prompt</source>
        <translation>提示语</translation>
    </message>
    <message>
        <source>The film</source>
        <translation>短片</translation>
    </message>
    <message>
        <source>Window caption while it plays</source>
        <translation>放短片时的窗口标题</translation>
    </message>
    <message>
        <source>After a yes</source>
        <translation>答应之后</translation>
    </message>
    <message>
        <source>Matchmaking page</source>
        <translation>红娘网页</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>按钮</translation>
    </message>
    <message>
        <source>Language of the boxes&apos; buttons</source>
        <translation>对话框按钮的语言</translation>
    </message>
    <message>
        <source>Restore default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Restore default: %1</source>
        <translation>恢复默认：%1</translation>
    </message>
    <message>
        <source>The box as the show raises it:</source>
        <translation>演出弹出的对话框：</translation>
    </message>
    <message>
        <source>%1 (not installed here)</source>
        <translation>%1（这台电脑上没有安装）</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>不会保存：%1</translation>
    </message>
    <message>
        <source>The words the program carries cannot be used (%1); the show says its own.</source>
        <translation>程序带着的话用不了（%1），放映时说它自己的话。</translation>
    </message>
</context>
</TS>
