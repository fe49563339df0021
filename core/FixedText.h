#pragma once
// A record field of fixed width, counted in characters (QChar), as the project data holds it.
#include <algorithm>

#include <QString>

template <int N>
class FixedText {
public:
    FixedText() : v_(N, QLatin1Char(' ')) {}
    FixedText(const QString& s) { assign(s); }            // NOLINT: assignment semantics wanted
    FixedText(const char* s) { assign(s); }                      // NOLINT

    FixedText& operator=(const QString& s) { assign(s); return *this; }
    FixedText& operator=(const char* s) { assign(s); return *this; }

    // The whole width, blanks included.
    const QString& str() const { return v_; }
    operator const QString&() const { return v_; }         // NOLINT
    // The value without its trailing padding.
    QString trimmed() const { QString t = v_; while (t.endsWith(QLatin1Char(' '))) t.chop(1); return t; }

    static constexpr int width = N;

    bool operator==(const FixedText& o) const { return v_ == o.v_; }
    bool operator==(const QString& s) const { return v_ == FixedText(s).v_; }
    bool operator==(const char* s) const
    {
        // The common case, a short ASCII literal, without building a padded copy.
        int i = 0;
        for (; s[i] != '\0' && i < N; ++i) {
            if (static_cast<unsigned char>(s[i]) >= 0x80) return v_ == FixedText(s).v_;
            if (v_[i] != QLatin1Char(s[i])) return false;
        }
        if (s[i] != '\0') return v_ == FixedText(s).v_;
        for (; i < N; ++i)
            if (v_[i] != QLatin1Char(' ')) return false;
        return true;
    }

private:
    // One allocation at most: records are reset and filled field by field, thousands at a time.
    void assign(const QString& s)
    {
        if (s.size() >= N) {
            v_ = s.left(N);  // the text itself, shared, when it has the width
            return;
        }
        QString v(N, QLatin1Char(' '));
        std::copy(s.begin(), s.end(), v.begin());
        v_ = std::move(v);
    }
    void assign(const char* s)
    {
        QString v(N, QLatin1Char(' '));
        QChar* d = v.data();
        for (int i = 0; s[i] != '\0'; ++i) {
            if (static_cast<unsigned char>(s[i]) >= 0x80) return assign(QString::fromUtf8(s));
            if (i == N) break;
            d[i] = QLatin1Char(s[i]);
        }
        v_ = std::move(v);
    }
    QString v_;
};
