#include "GeneratedNotes.h"

#include <array>
#include <string_view>

namespace bench {

namespace {

// Each holds "@" where the function's number goes.
constexpr std::array<std::string_view, 5> Functions = {
    "/* 单链表：在有序链表中插入一个新结点，保持从小到大的顺序 */\r\n"
    "struct node@ *insert@(struct node@ *head, int value)\r\n"
    "{\r\n"
    "    struct node@ *fresh = malloc(sizeof *fresh);   // 申请新结点\r\n"
    "    if (fresh == NULL)\r\n"
    "        return head;                              /* 内存不足时原样返回 */\r\n"
    "    fresh->value = value;\r\n"
    "    if (head == NULL || value < head->value) {\r\n"
    "        fresh->next = head;                       // 新结点成为头结点\r\n"
    "        return fresh;\r\n"
    "    }\r\n"
    "    struct node@ *p = head;\r\n"
    "    while (p->next != NULL && p->next->value <= value)\r\n"
    "        p = p->next;                              // 向后寻找插入位置\r\n"
    "    fresh->next = p->next;\r\n"
    "    p->next = fresh;\r\n"
    "    return head;\r\n"
    "}\r\n\r\n",
    "// 快速排序：以第一个元素为基准，把数组分成两部分\r\n"
    "void quick_sort@(int a[], int left, int right)\r\n"
    "{\r\n"
    "    if (left >= right)\r\n"
    "        return;\r\n"
    "    int i = left, j = right, key = a[left];\r\n"
    "    while (i < j) {\r\n"
    "        while (i < j && a[j] >= key)\r\n"
    "            j--;                                  /* 从右向左找比基准小的数 */\r\n"
    "        a[i] = a[j];\r\n"
    "        while (i < j && a[i] <= key)\r\n"
    "            i++;                                  /* 从左向右找比基准大的数 */\r\n"
    "        a[j] = a[i];\r\n"
    "    }\r\n"
    "    a[i] = key;\r\n"
    "    quick_sort@(a, left, i - 1);                  // 递归处理左半部分\r\n"
    "    quick_sort@(a, i + 1, right);\r\n"
    "}\r\n\r\n",
    "#include <stdio.h>\r\n"
    "/* 读取文件并统计行数、单词数和字符数 */\r\n"
    "int count_file@(const char *path)\r\n"
    "{\r\n"
    "    FILE *fp = fopen(path, \"r\");\r\n"
    "    if (fp == NULL) {\r\n"
    "        printf(\"无法打开文件：%s\\n\", path);\r\n"
    "        return -1;\r\n"
    "    }\r\n"
    "    int c, lines = 0, words = 0, chars = 0, inword = 0;\r\n"
    "    while ((c = fgetc(fp)) != EOF) {\r\n"
    "        chars++;\r\n"
    "        if (c == '\\n')\r\n"
    "            lines++;                              // 遇到换行符，行数加一\r\n"
    "        if (c == ' ' || c == '\\n' || c == '\\t')\r\n"
    "            inword = 0;\r\n"
    "        else if (!inword) {\r\n"
    "            inword = 1;\r\n"
    "            words++;\r\n"
    "        }\r\n"
    "    }\r\n"
    "    fclose(fp);\r\n"
    "    printf(\"行数：%d 单词数：%d 字符数：%d\\n\", lines, words, chars);\r\n"
    "    return lines;\r\n"
    "}\r\n\r\n",
    "// 二分查找：在升序数组中查找 key，找到返回下标，否则返回 -1\r\n"
    "int binary_search@(const int *a, int n, int key)\r\n"
    "{\r\n"
    "    int low = 0, high = n - 1;\r\n"
    "    while (low <= high) {\r\n"
    "        int mid = low + (high - low) / 2;         /* 防止溢出的写法 */\r\n"
    "        if (a[mid] == key)\r\n"
    "            return mid;\r\n"
    "        if (a[mid] < key)\r\n"
    "            low = mid + 1;\r\n"
    "        else\r\n"
    "            high = mid - 1;\r\n"
    "    }\r\n"
    "    return -1;\r\n"
    "}\r\n\r\n",
    "/* 学生成绩管理：计算平均分并找出最高分的学生 */\r\n"
    "typedef struct {\r\n"
    "    char name[20];                                // 姓名\r\n"
    "    float score[3];                               // 三门课的成绩\r\n"
    "} student@;\r\n"
    "\r\n"
    "int best_student@(student@ s[], int n)\r\n"
    "{\r\n"
    "    int best = 0;\r\n"
    "    float bestAverage = 0.0f;\r\n"
    "    for (int i = 0; i < n; i++) {\r\n"
    "        float sum = s[i].score[0] + s[i].score[1] + s[i].score[2];\r\n"
    "        if (sum / 3 > bestAverage) {\r\n"
    "            bestAverage = sum / 3;                /* 记下当前最高的平均分 */\r\n"
    "            best = i;\r\n"
    "        }\r\n"
    "    }\r\n"
    "    printf(\"最高分：%s，平均 %.1f 分\\n\", s[best].name, bestAverage);\r\n"
    "    return best;\r\n"
    "}\r\n\r\n",
};

constexpr std::array<std::string_view, 6> ChineseTopics = {"链表", "排序", "文件操作", "查找", "结构体", "指针"};
constexpr std::array<std::string_view, 6> AsciiTopics = {"linked_list", "sorting", "file_io", "search", "structs",
                                                         "pointers"};

unsigned nextRandom(unsigned& state)
{
    state = state * 1103515245u + 12345u;
    return state >> 16;
}

std::string numbered(std::string_view text, unsigned number)
{
    std::string result;
    for (char c : text) {
        if (c == '@')
            result += std::to_string(number);
        else
            result += c;
    }
    return result;
}

std::string padded(int value, int width)
{
    std::string digits = std::to_string(value);
    return std::string(digits.size() < static_cast<size_t>(width) ? width - digits.size() : 0, '0') + digits;
}

}  // namespace

std::string cCode(std::size_t atLeastBytes, unsigned seed)
{
    std::string text;
    text.reserve(atLeastBytes + 2048);
    unsigned state = seed;
    for (unsigned number = 1; text.size() < atLeastBytes; ++number)
        text += numbered(Functions[nextRandom(state) % Functions.size()], number);
    return text;
}

std::string categoryName(int category)
{
    if (category % 2 == 0)
        return std::string(ChineseTopics[category % ChineseTopics.size()]) + "练习" + padded(category, 3);
    return std::string(AsciiTopics[category % AsciiTopics.size()]) + "-" + padded(category, 3);
}

std::string noteName(int category, int note)
{
    if (note % 2 == 0)
        return std::string(ChineseTopics[note % ChineseTopics.size()]) + "示例_" + padded(category, 3) + "_"
               + padded(note, 5);
    return std::string(AsciiTopics[note % AsciiTopics.size()]) + "_" + padded(category, 3) + "_" + padded(note, 5);
}

}  // namespace bench
