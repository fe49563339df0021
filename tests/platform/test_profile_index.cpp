// The indexed settings engine against a plain model of the file's rules that searches the lines
// from the top for every lookup: random files full of duplicates, comments, stray lines and
// names that look like other lines, then random reads, writes and deletes through a batch.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include <QFile>
#include <QTemporaryDir>

#include "platform/Profile.h"

namespace {

// The model: the file as lines, every lookup a walk from the first line.
class Model {
public:
    explicit Model(const QByteArray& bytes)
    {
        for (const QByteArray& l : QByteArray(bytes).replace("\r\n", "\n").replace('\r', '\n').split('\n'))
            lines_.push_back(l);
        if (!lines_.empty() && lines_.back().isEmpty()) lines_.pop_back();
    }
    QByteArray Bytes() const
    {
        QByteArray out;
        for (const QByteArray& l : lines_) out += l + "\r\n";
        return out;
    }
    std::optional<QByteArray> Value(const QByteArray& s, const QByteArray& k) const
    {
        const int i = FindKey(FindSection(s), k);
        if (i < 0) return std::nullopt;
        return Trim(lines_[i].mid(lines_[i].indexOf('=') + 1));
    }
    QList<QByteArray> Keys(const QByteArray& s) const
    {
        QList<QByteArray> out;
        const int h = FindSection(s);
        for (int i = h + 1; h >= 0 && i < End(h); ++i)
            if (IsKey(i) && FindKey(h, Name(i)) == i) out << Name(i);
        return out;
    }
    QList<QByteArray> Sections() const
    {
        QList<QByteArray> out;
        for (int i = 0; i < int(lines_.size()); ++i)
            if (IsSection(i) && FindSection(Name(i)) == i) out << Name(i);
        return out;
    }
    void Set(const QByteArray& s, const QByteArray& k, const QByteArray& v)
    {
        const int h = FindSection(s);
        if (h < 0) {
            lines_.push_back("[" + s + "]");
            lines_.push_back(k + "=" + v);
            return;
        }
        const int i = FindKey(h, k);
        if (i >= 0) {
            qsizetype from = lines_[i].indexOf('=') + 1;
            while (from < lines_[i].size() && (lines_[i][from] == ' ' || lines_[i][from] == '\t')) ++from;
            lines_[i] = lines_[i].left(from) + v;
            return;
        }
        int at = h + 1;
        for (int j = h + 1; j < End(h); ++j)
            if (IsKey(j)) at = j + 1;
        lines_.insert(lines_.begin() + at, k + "=" + v);
    }
    void Remove(const QByteArray& s, const QByteArray& k)
    {
        const int i = FindKey(FindSection(s), k);
        if (i >= 0) lines_.erase(lines_.begin() + i);
    }

private:
    static QByteArray Trim(QByteArray b)
    {
        while (!b.isEmpty() && (b[0] == ' ' || b[0] == '\t')) b.remove(0, 1);
        while (!b.isEmpty() && (b.back() == ' ' || b.back() == '\t')) b.chop(1);
        return b;
    }
    bool IsSection(int i) const
    {
        const QByteArray t = Trim(lines_[i]);
        return t.startsWith('[') && t.indexOf(']') > 0;
    }
    bool IsKey(int i) const
    {
        return !IsSection(i) && !Trim(lines_[i]).startsWith(';') && lines_[i].contains('=');
    }
    QByteArray Name(int i) const
    {
        const QByteArray t = Trim(lines_[i]);
        return IsSection(i) ? Trim(t.mid(1, t.indexOf(']') - 1)) : Trim(lines_[i].left(lines_[i].indexOf('=')));
    }
    int FindSection(const QByteArray& s) const
    {
        for (int i = 0; i < int(lines_.size()); ++i)
            if (IsSection(i) && Name(i).toLower() == Trim(s).toLower()) return i;
        return -1;
    }
    int End(int h) const
    {
        int i = h + 1;
        while (i < int(lines_.size()) && !IsSection(i)) ++i;
        return i;
    }
    int FindKey(int h, const QByteArray& k) const
    {
        for (int i = h + 1; h >= 0 && i < End(h); ++i)
            if (IsKey(i) && Name(i).toLower() == Trim(k).toLower()) return i;
        return -1;
    }
    std::vector<QByteArray> lines_;
};

// Names and values chosen to collide, differ only in case or blanks, and look like other lines.
const std::vector<QByteArray> SectionNames = {"A", "a", " A ", "B", "b\t", "C", "[x", "c]d", "", "Long"};
const std::vector<QByteArray> KeyNames = {"k", "K", " k ", "k2", "K2", "[y]", ";c", "a=b", "[z", "", "n"};
const std::vector<QByteArray> Values = {"v", "", " padded ", "x]", "[q]", "a=b", "; not a comment"};
const std::vector<QByteArray> Fragments = {
    "[A]", "[a]", "[ B ]", "[Long] tail", "k=1", "K = 2", " k\t=3 ", "k2=", "; note", "stray", "", "[y=",
    "[z=1", "a=b=c", "[]", "n=9",
};

}  // namespace

TEST(ProfileIndex, EveryOperationAgreesWithALineByLineSearch)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("model.ini");
    std::mt19937 random(20240305);
    auto pick = [&](const std::vector<QByteArray>& v) { return v[random() % v.size()]; };

    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        QByteArray start;
        const int lines = int(random() % 40);
        for (int i = 0; i < lines; ++i) start += pick(Fragments) + (random() % 4 ? "\r\n" : "\n");
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(start);
        }
        Model model(start);
        Profile::Batch batch(path);
        for (int op = 0; op < 60; ++op) {
            const QByteArray s = pick(SectionNames), k = pick(KeyNames);
            switch (random() % 4) {
            case 0:
            case 1: {
                const QByteArray v = pick(Values);
                batch.Write(QString::fromLatin1(s), QString::fromLatin1(k), QString::fromLatin1(v));
                model.Set(s, k, v);
                break;
            }
            case 2:
                batch.DeleteKey(QString::fromLatin1(s), QString::fromLatin1(k));
                model.Remove(s, k);
                break;
            default:
                break;
            }
            const auto value = batch.Read(QString::fromLatin1(s), QString::fromLatin1(k));
            const auto expected = model.Value(s, k);
            ASSERT_EQ(value.has_value(), expected.has_value()) << s.data() << "/" << k.data();
            if (value) {
                EXPECT_EQ(value->toLatin1(), *expected);
            }
            QStringList keys;
            for (const QByteArray& n : model.Keys(s)) keys << QString::fromLatin1(n);
            ASSERT_EQ(batch.Keys(QString::fromLatin1(s)), keys);
            QList<std::pair<QString, QString>> entries;
            for (const QString& n : keys) entries.push_back({n, *batch.Read(QString::fromLatin1(s), n)});
            ASSERT_EQ(batch.Entries(QString::fromLatin1(s)), entries);
        }
        QStringList sections;
        for (const QByteArray& n : model.Sections()) sections << QString::fromLatin1(n);
        EXPECT_EQ(batch.Sections(), sections);
        ASSERT_TRUE(batch.Commit());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        ASSERT_EQ(f.readAll(), model.Bytes());
        EXPECT_EQ(Profile::Sections(path), sections);
    }
}
