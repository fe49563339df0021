#include "platform/ProfileDocument.h"

namespace Profile {

namespace {

// A section of more lines than this finds its keys through an index; a shorter one line by line.
constexpr size_t IndexFrom = 8;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Names match without regard to ASCII letter case; Hebrew letters (bytes above 0x7F) exactly.
char Fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c; }

// Narrows from..to of b to leave out the blanks and tabs at either end.
void Trim(QByteArrayView b, qsizetype& from, qsizetype& to)
{
    while (from < to && IsBlank(b[from])) ++from;
    while (to > from && IsBlank(b[to - 1])) --to;
}

QByteArrayView Trimmed(QByteArrayView b)
{
    qsizetype from = 0, to = b.size();
    Trim(b, from, to);
    return b.sliced(from, to - from);
}

// The first of duplicate names wins; true when the name is new.
bool InsertFirst(QHash<Document::Name, int>& hash, const Document::Name& key, int value)
{
    const qsizetype before = hash.size();
    int& slot = hash[key];  // one lookup: a new entry starts at 0
    if (hash.size() == before) return false;
    slot = value;
    return true;
}

}  // namespace

Document::Name::Name(QByteArrayView b) : bytes(b)
{
    uint64_t h = 1469598103934665603ULL;  // FNV-1a over the folded bytes
    for (const char c : b) h = (h ^ uint8_t(Fold(c))) * 1099511628211ULL;
    hash = size_t(h);
}

bool Document::Name::operator==(const Name& o) const
{
    if (hash != o.hash || bytes.size() != o.bytes.size()) return false;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (Fold(bytes[i]) != Fold(o.bytes[i])) return false;
    return true;
}

QByteArray Document::Line::value() const { return Trimmed(text.sliced(valueFrom)).toByteArray(); }

Document::Document() : blocks_(1) {}

Document::Line Document::Classify(QByteArrayView t)
{
    Line l;
    l.text = t;
    qsizetype from = 0, to = t.size();
    Trim(t, from, to);
    if (from < to && t[from] == '[') {
        const qsizetype close = t.indexOf(']', from + 1);
        if (close > 0 && close < to) {
            qsizetype a = from + 1, b = close;
            Trim(t, a, b);
            l.kind = Kind::Section;
            l.name = Name(t.sliced(a, b - a));
            return l;
        }
    }
    if (from < to && t[from] == ';') return l;
    const qsizetype eq = t.indexOf('=');
    if (eq < 0) return l;
    qsizetype a = 0, b = eq;
    Trim(t, a, b);
    l.kind = Kind::Key;
    l.name = Name(t.sliced(a, b - a));
    qsizetype v = eq + 1;
    while (v < t.size() && IsBlank(t[v])) ++v;
    l.valueFrom = int(v);
    return l;
}

Document::Line Document::Classify(QByteArray text)
{
    Line l = Classify(QByteArrayView(text));
    l.own = std::move(text);  // the bytes stay where the views point
    return l;
}

Document Document::Parse(const QByteArray& bytes, const QList<qsizetype>& lostAt)
{
    Document d;
    d.source_ = bytes;
    const QByteArrayView all(d.source_);
    qsizetype next = 0;  // the first of lostAt not yet placed
    auto add = [&](qsizetype from, qsizetype to) {
        Line line = Classify(all.sliced(from, to - from));
        while (next < lostAt.size() && lostAt[next] < from) ++next;
        line.lost = next < lostAt.size() && lostAt[next] < to;
        d.Append(std::move(line));
    };
    qsizetype start = 0;
    const qsizetype n = all.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (all[i] != '\r' && all[i] != '\n') continue;
        add(start, i);
        if (all[i] == '\r' && i + 1 < n && all[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) add(start, n);
    return d;
}

QByteArray Document::Serialize() const
{
    QByteArray out;
    out.reserve(source_.size() + 2);
    auto put = [&out](const Line& l) {
        out.append(l.text);
        out.append("\r\n", 2);
    };
    for (size_t b = 0; b < blocks_.size(); ++b) {
        if (b > 0) put(blocks_[b].header);
        for (const Line& l : blocks_[b].body) put(l);
    }
    return out;
}

void Document::Append(Line line)
{
    if (line.kind == Kind::Section) {
        blocks_.push_back(Block{std::move(line), {}, -1, false, {}});
        Line& header = blocks_.back().header;
        header.first = InsertFirst(sections_, header.name, int(blocks_.size()) - 1);
        return;
    }
    Block& block = blocks_.back();
    block.body.push_back(std::move(line));
    Added(int(blocks_.size()) - 1, int(block.body.size()) - 1);
}

void Document::Added(int b, int at)
{
    Block& block = blocks_[b];
    if (!block.indexed && block.body.size() > IndexFrom) {
        // The section has grown long: from now on its names are found through an index.
        block.indexed = true;
        for (int i = 0; i < int(block.body.size()); ++i)
            if (i != at && block.body[i].kind == Kind::Key && block.body[i].first) block.keys.insert(block.body[i].name, i);
    }
    Line& line = block.body[at];
    if (line.kind != Kind::Key) return;
    block.lastKey = at;
    line.first = block.indexed ? InsertFirst(block.keys, line.name, at) : FindKey(b, line.name) == at;
}

void Document::ReindexBlock(int b)
{
    Block& block = blocks_[b];
    block.keys.clear();
    block.indexed = block.body.size() > IndexFrom;
    block.lastKey = -1;
    for (int i = 0; i < int(block.body.size()); ++i) {
        Line& line = block.body[i];
        if (line.kind != Kind::Key) continue;
        line.first = block.indexed ? InsertFirst(block.keys, line.name, i) : FindKey(b, line.name) == i;
        block.lastKey = i;
    }
}

void Document::Rebuild()
{
    std::vector<Block> old = std::move(blocks_);
    blocks_.assign(1, Block{});
    sections_.clear();
    for (size_t b = 0; b < old.size(); ++b) {
        if (b > 0) Append(std::move(old[b].header));
        for (Line& l : old[b].body) Append(std::move(l));
    }
}

int Document::FindBlock(const QByteArray& section) const { return sections_.value(Name(Trimmed(section)), -1); }

int Document::FindKey(int b, const Name& key) const
{
    if (b < 0) return -1;
    const Block& block = blocks_[b];
    if (block.indexed) return block.keys.value(key, -1);
    for (int i = 0; i < int(block.body.size()); ++i)
        if (block.body[i].kind == Kind::Key && block.body[i].name == key) return i;
    return -1;
}

std::optional<QByteArray> Document::Value(const QByteArray& section, const QByteArray& key) const
{
    const int b = FindBlock(section);
    const int k = FindKey(b, Name(Trimmed(key)));
    if (k < 0) return std::nullopt;
    return blocks_[b].body[k].value();
}

QList<QByteArray> Document::Keys(const QByteArray& section) const
{
    QList<QByteArray> names;
    const int b = FindBlock(section);
    if (b < 0) return names;
    for (const Line& l : blocks_[b].body)
        if (l.kind == Kind::Key && l.first) names.push_back(l.name.bytes.toByteArray());
    return names;
}

QList<std::pair<QByteArray, QByteArray>> Document::Entries(const QByteArray& section) const
{
    QList<std::pair<QByteArray, QByteArray>> entries;
    const int b = FindBlock(section);
    if (b < 0) return entries;
    for (const Line& l : blocks_[b].body)
        if (l.kind == Kind::Key && l.first) entries.push_back({l.name.bytes.toByteArray(), l.value()});
    return entries;
}

QList<QByteArray> Document::Sections() const
{
    QList<QByteArray> names;
    for (size_t b = 1; b < blocks_.size(); ++b)
        if (blocks_[b].header.first) names.push_back(blocks_[b].header.name.bytes.toByteArray());
    return names;
}

QList<QByteArray> Document::LostKeys(const QByteArray& section) const
{
    QList<QByteArray> names;
    const int b = FindBlock(section);
    if (b < 0) return names;
    for (const Line& l : blocks_[b].body)
        if (l.kind == Kind::Key && l.first && l.lost) names.push_back(l.name.bytes.toByteArray());
    return names;
}

void Document::Set(const QByteArray& section, const QByteArray& key, const QByteArray& value)
{
    const int b = FindBlock(section);
    if (b < 0) {
        Append(Classify("[" + section + "]"));
        Append(Classify(key + "=" + value));
        return;
    }
    Block& block = blocks_[b];
    const int k = FindKey(b, Name(Trimmed(key)));
    if (k >= 0) {
        // The text before "=" stays, so the line keeps its name; only a "]" in the new value
        // can turn a line such as "[a=" into a section header.
        Line& line = block.body[k];
        Line changed = Classify(line.text.first(line.valueFrom).toByteArray() + value);
        if (block.indexed) block.keys.remove(line.name);  // before the bytes it views go
        line = std::move(changed);
        if (line.kind != Kind::Key) return Rebuild();
        line.first = true;  // the line the index found is its name's first
        if (block.indexed) block.keys.insert(line.name, k);
        return;
    }
    // After the section's last key, so blank lines and comments before the next section stay
    // where they are; no key line moves, so the index stays valid.
    const int at = block.lastKey + 1;
    block.body.insert(block.body.begin() + at, Classify(key + "=" + value));
    if (block.body[at].kind == Kind::Section) return Rebuild();
    Added(b, at);
}

bool Document::Remove(const QByteArray& section, const QByteArray& key)
{
    const int b = FindBlock(section);
    const int k = FindKey(b, Name(Trimmed(key)));
    if (k < 0) return false;
    Block& block = blocks_[b];
    block.keys.clear();  // its views may point into the line that goes
    block.body.erase(block.body.begin() + k);
    ReindexBlock(b);
    return true;
}

}  // namespace Profile
