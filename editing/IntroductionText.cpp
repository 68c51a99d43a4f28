#include "editing/IntroductionText.h"

// The commas and the points of lines 10, 11 and 19 are ASCII; the colons of
// lines 1, 9 and 16, the parentheses of line 2 and the stops "。" are
// full-width. Lines 17 to 19 hold 60, 53 and 55 blanks.
const std::string_view IntroductionText
    = "//介绍：\r\n"
      "本软件是为方便正在学习编程的人而生（支持Java/C/vb等多种语言代码）\r\n"
      "由于各种流行编程语言的源代码文件较多,管理与查阅起来比较麻烦\r\n"
      "所有你可以通关本软件可以简单快捷地记录与管理你的代码。\r\n"
      "\r\n"
      "但本工具只面向编程的初学者,因为初学者需要复习或查阅最近学习的代码。\r\n"
      "而对于老手,作用并不大,因为往往一个项目有多个类,使用本工具保存与直接打开代码是一样的。\r\n"
      "\r\n"
      "//说明：\r\n"
      "1.当你查阅笔记且需要修改笔记,编辑完成后请点击工具栏保存按钮。\r\n"
      "2.本工具原理很简单,就是把程序代码保存到CodeData目录下且加以管理\r\n"
      "\r\n"
      "//关于\r\n"
      "本人最近正在学习Java,处于方便写出此程序,方便自己同时也共享给大家。\r\n"
      "\r\n"
      "Ps：软件使用的SciLexer控件调用代码来自互联网,本人只是在其基础上修改后调用\r\n"
      "                                                            \r\n"
      "                                                     匿名\r\n"
      "                                                       2014.12.19";
