#include "Probe.h"
#include "core/KW_command.h"

std::atomic<int> Probe::destroyed{0};
std::string Probe::special;

KW_value Probe::on_n(Probe& p, const KW_value& a) {
    p.record(a);
    a.toInt(p.n);
    return KW_value::integer(p.n);
}

KW_value Probe::on_raw(Probe& p, const KW_value& a) {
    p.record(a);
    if (a.given()) p.raw = a.value;
    KW_value v(p.raw, KW_value::OBJECT);
    return v;
}

KW_value Probe::on_f(Probe& p, const KW_value& a) {
    p.record(a);
    a.toFloat(p.f);
    return KW_value::real(p.f);
}

KW_value Probe::on_text(Probe& p, const KW_value& a) {
    p.record(a);
    if (a.toText()) p.text = a.toText();
    return KW_value::text(p.text.c_str());
}

KW_value Probe::on_self(Probe& p, const KW_value& a) {
    p.record(a);
    return KW_value::object(&p);
}

KW_value Probe::on_word(Probe& p, const KW_value& a) {
    p.record(a);
    return KW_value::text("hello");
}

KW_value Probe::on_block(Probe& p, const KW_value& a) {
    p.record(a);
    return KW_value::block("a\0b", 3);
}

KW_value Probe_Child::on_n(Probe_Child& p, const KW_value& a) {
    p.record(a);
    int32_t v;
    if (a.toInt(v)) p.n = 1000 + v;
    return KW_value::integer(p.n);
}

KW_value Probe_Child::on_bl(Probe_Child& p, const KW_value& a) {
    p.record(a);
    return KW_value();
}

template <class T>
static KW_Object* make() {
    Probe::special = KW_specialobject ? KW_specialobject : "(none)";
    return new T;
}

static KW_Object* makeNothing() { return nullptr; }

const KW_Option Probe::options[] = {
    KW_Option(&make<Probe>),
    KW_Option("n", KW_member<Probe, &Probe::on_n>),
    KW_Option("raw", KW_member<Probe, &Probe::on_raw>),
    KW_Option("f", KW_member<Probe, &Probe::on_f>),
    KW_Option("text", KW_member<Probe, &Probe::on_text>),
    KW_Option("self", KW_member<Probe, &Probe::on_self>),
    KW_Option("word", KW_member<Probe, &Probe::on_word>),
    KW_Option("block", KW_member<Probe, &Probe::on_block>),
    KW_Option(KW_Object::options),
};

const KW_Option Probe_Child::options[] = {
    KW_Option(&make<Probe_Child>),
    KW_Option("n", KW_member<Probe_Child, &Probe_Child::on_n>),
    KW_Option("bl", KW_member<Probe_Child, &Probe_Child::on_bl>),
    KW_Option(Probe::options),
};

const KW_Option Probe_Abstract_options[] = {
    KW_Option(static_cast<KW_Factory>(nullptr)),
    KW_Option(Probe::options),
};

const KW_Option Probe_None_options[] = {
    KW_Option(&makeNothing),
    KW_Option(Probe::options),
};

extern "C" const KW_Class _KW[] = {
    {"KW_Object", KW_Object::options},
    {"Probe", Probe::options},
    {"Probe_Child", Probe_Child::options},
    {"Probe_Abstract", Probe_Abstract_options},
    {"Probe_None", Probe_None_options},
    {nullptr, nullptr},
};
