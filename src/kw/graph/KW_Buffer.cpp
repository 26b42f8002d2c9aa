#include "graph/KW_Buffer.h"
#include <cstring>
#include <new>
#include "graph/KW_Faultguard.h"
#include "graph/KW_argument.h"
#include "graph/KW_Soundpipe.h"

const KW_Option KW_Buffer::options[] = {
    KW_Option(&KW_Buffer::create),
    KW_Option("l", KW_member<KW_Buffer, &KW_Buffer::m_l>),
    KW_Option("t", KW_member<KW_Buffer, &KW_Buffer::m_t>),
    KW_Option("limit", KW_member<KW_Buffer, &KW_Buffer::m_limit>),
    KW_Option("delete", &KW_Object::m_delete),
    KW_Option(KW_Object::options),
};

KW_Object* KW_Buffer::create() { return new KW_Buffer; }

// Following the current sound pipe also joins its buffer list.
KW_Buffer::KW_Buffer() { setLength(FOLLOW); }

KW_Buffer::~KW_Buffer() {
    leave();
    delete[] main;
}

int32_t KW_Buffer::length() const {
    if (setting != FOLLOW) return count;
    if (!pipe) return 0;
    const int32_t n = pipe->blockLength();
    return n < 0 ? 0 : n < count ? n : count;
}

void KW_Buffer::clear() {
    if (main) std::memset(main, 0, sizeof(int32_t) * size_t(count));
}

void KW_Buffer::setLength(int32_t v) {
    if (v < FOLLOW || v > MAX_LENGTH) return;
    delete[] main;
    main = nullptr;
    count = 0;
    setting = v;
    int32_t n = v;
    if (v == FOLLOW) {
        KW_Soundpipe* p = KW_Soundpipe::current();
        if (p) join(p);
        n = p ? p->blockLength() : 0;
        if (n > MAX_LENGTH) n = MAX_LENGTH;
    }
    if (n <= 0) {
        setting = 0;
        return;
    }
    main = new (std::nothrow) int32_t[2 * size_t(n)];
    if (!main) {
        setting = 0;
        return;
    }
    count = n;
    ring %= n;
    if (ring < 0) ring += n;
    clear();
}

int32_t* KW_Buffer::view(int32_t t) {
    if (t != xfade) {
        const int64_t n = length();
        int32_t* alt = main + count;
        if (xfade == -1) {
            for (int64_t k = 0; k < n; ++k) main[k] = int32_t((main[k] * k + alt[k] * (n - k)) / n);
        } else if (xfade == 1) {
            for (int64_t k = 0; k < n; ++k) main[k] = int32_t((alt[k] * k + main[k] * (n - k)) / n);
        }
        if (t != 0 && n > 0) std::memcpy(alt, main, sizeof(int32_t) * size_t(n));
        xfade = t;
    }
    return t != 0 && main ? main + count : main;
}

void KW_Buffer::join(KW_Soundpipe* p) {
    if (pipe == p) return;
    leave();
    p->buffers.add(&link);
    pipe = p;
}

void KW_Buffer::leave() {
    if (!pipe) return;
    pipe->buffers.remove(&link);
    pipe->forget(this);
    pipe = nullptr;
}

namespace {

struct TitleCopy {
    char* to;
    const char* from;
};

void copyTitle(void* c) {
    TitleCopy& copy = *static_cast<TitleCopy*>(c);
    std::strncpy(copy.to, copy.from, KW_Buffer::TITLE_SIZE - 1);
}

}  // namespace

void KW_Buffer::setTitle(const KW_value& arg) {
    // Raw: a text, or a pointer to text given as a number. The title is copied because command text
    // does not outlive its command; a pointer that leads nowhere leaves an empty title.
    if (arg.kind != KW_value::TEXT && arg.kind != KW_value::OBJECT && arg.kind != KW_value::INTEGER) return;
    if (arg.kind == KW_value::OBJECT && arg.length >= 0) return;
    std::memset(title, 0, sizeof title);
    if (!arg.p || KW_Object::live(arg.p)) return;
    TitleCopy copy{title, arg.s};
    if (!KW_Faultguard::run(copyTitle, &copy)) std::memset(title, 0, sizeof title);
}

KW_value KW_Buffer::m_l(KW_Buffer& b, const KW_value& arg) {
    int32_t v;
    if (KW_raw(arg, v)) b.setLength(v);
    return KW_value::integer(b.length());
}

KW_value KW_Buffer::m_t(KW_Buffer& b, const KW_value& arg) {
    if (arg.given()) b.setTitle(arg);
    return KW_value::text(b.title);
}

KW_value KW_Buffer::m_limit(KW_Buffer& b, const KW_value& arg) {
    if (arg.given()) arg.toInt(b.limit);
    return KW_value::integer(b.limit);
}
