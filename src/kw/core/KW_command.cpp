// The command interpreter: creates objects by class name, finds the options in the class tables and
// calls their handlers with the values of the command, one item at a time.
#include "KW_command.h"
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include "KW_Result_Text.h"

const char* KW_specialobject = nullptr;

namespace {

const char* const SPACE = " ";

// Diagnostics go to standard output, a line each; a plug-in host simply discards them.
void say(const char* format, ...) {
    std::fputs("spcpp: ", stdout);
    va_list a;
    va_start(a, format);
    std::vprintf(format, a);
    va_end(a);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

const KW_Class* findClass(const char* word) {
    for (const KW_Class* c = _KW; c->name; ++c)
        if (KW_word_equal(c->name, word)) return c;
    return nullptr;
}

// A class's own rows come before its parents', so a class overrides an option by listing its word again.
KW_Handler findOption(const KW_Option* table, const char* word) {
    for (int i = 1; table;) {
        const KW_Option& row = table[i];
        if (!row.name) {
            table = row.parent;
            i = 1;
        } else if (!row.handler) {
            return nullptr;
        } else if (KW_word_equal(row.name, word)) {
            return row.handler;
        } else {
            ++i;
        }
    }
    return nullptr;
}

bool isOption(const KW_value& v) {
    return (v.kind == KW_value::EMPTY || v.kind == KW_value::TEXT) && v.s && v.s[0] == '-';
}

class Interpreter {
public:
    Interpreter(int flags, char* text, char* result, int* capacity, va_list* args)
        : flags_(result && capacity ? flags : flags & ~KW_RESULT_TEXT), text_(text), capacity_(capacity),
          args_(args), out_(flags_ & KW_RESULT_TEXT ? result : nullptr, capacity ? *capacity : 0) {}

    KW_status run() {
        scan();
        if (text_[0] == '%') {
            if (finished_) return done();  // a lone placeholder: nothing to work on, nothing to do
            pos_ = 0;
        } else if (const KW_Class* c = findClass(text_)) {
            class_ = c->table;
            className_ = c->name;
        } else {
            say("command '%s' not found", text_);
            return KW_ERROR_COMMAND_NOT_FOUND;
        }
        for (;;) {
            readItem();
            const KW_status s = option_ ? applyOption() : takeObject();
            if (s != KW_OK) return s;
            if ((flags_ & KW_RESULT_TEXT) && out_.overflowed()) return KW_ERROR_COMMAND_NOT_SPACE;
            // The next option: the item itself, the word after a "%" escape, or after a value the next
            // word as it stands (an option takes one value). An option that ends the command still runs.
            KW_value word = arg_.kind == KW_value::UNSTORED ? escaped_ : arg_;
            if (arg_.kind > KW_value::EMPTY) {
                if (finished_) return done();
                word = scan();
            }
            const bool nothing = word.kind == KW_value::EMPTY ? !word.s
                                                              : finished_ && word.kind == KW_value::TEXT && !*word.s;
            if (nothing) return done();  // the end, or a trailing space
            if (!isOption(word)) return notParam(text_ + start_);  // never a stray value as option text
            option_ = word.s;
        }
    }

private:
    const int flags_;
    char* const text_;
    int* const capacity_;
    va_list* const args_;
    KW_Result_Text out_;

    int pos_ = 0;
    int start_ = 0;  // where the last scanned token began
    int end_ = 0;    // the character that ended the current item
    bool finished_ = false;
    const KW_Option* class_ = nullptr;
    const char* className_ = nullptr;
    KW_Object* object_ = nullptr;
    const char* option_ = nullptr;  // the "-" of the current option
    KW_value arg_;
    KW_value escaped_;      // the token read after a "%" escape
    bool literal_ = false;  // arg_ is a text of the command itself

    void endItem(int end) {
        end_ = end;
        finished_ = text_[end] == '\0';
        pos_ = end + 1;
    }

    KW_value scan() {
        int p = start_ = pos_;
        const KW_value v = KW_scan_token(text_, &p, SPACE);
        endItem(p);
        return v;
    }

    void readItem() {
        arg_ = escaped_ = KW_value();
        literal_ = false;
        if (finished_) return;
        if (text_[pos_] != '%') {
            arg_ = scan();
            if (arg_.kind == KW_value::TEXT) {
                if (arg_.s[0] == '-') arg_.kind = KW_value::EMPTY;
                else literal_ = true;
            }
            return;
        }
        const int at = pos_;
        switch (text_[at + 1]) {
        case '\0':
            arg_ = KW_value(0, KW_value::UNSTORED);
            finished_ = true;
            return;
        case 'i': arg_ = KW_value::integer(va_arg(*args_, int)); break;
        case 'f': arg_ = KW_value::real(static_cast<float>(va_arg(*args_, double))); break;
        case 'o': arg_ = KW_value::object(va_arg(*args_, void*)); break;
        case 's': arg_ = KW_value::text(va_arg(*args_, char*)); break;
        default:
            pos_ = at + 2;
            escaped_ = arg_ = scan();
            arg_.kind = KW_value::UNSTORED;
            return;
        }
        endItem(at + 2);
    }

    // A text taken from the command is terminated while a handler or factory has it.
    template <class Call>
    void withTerminatedText(Call call) {
        char* const after = text_ + end_;
        const char saved = *after;
        if (literal_) *after = '\0';
        call();
        *after = saved;
    }

    // Stores a result through the next argument: objects and texts (pointers) at pointer width,
    // everything else as 32 bits.
    void store(const KW_value& v) {
        void* const cell = va_arg(*args_, void*);
        if (!cell) return;
        if (v.kind == KW_value::OBJECT || v.kind == KW_value::TEXT) std::memcpy(cell, &v.p, sizeof v.p);
        else std::memcpy(cell, &v.i, sizeof v.i);
    }

    KW_status done() {
        if (flags_ & KW_RESULT_TEXT) *capacity_ = static_cast<int>(out_.length());
        return KW_OK;
    }

    KW_status notParam(const char* rest) {
        say("%s", text_);
        say("param '%s' not found", rest);
        return KW_ERROR_COMMAND_NOT_PARAM;
    }

    KW_status notLive(const void* object) {
        say("%s", text_);
        say("object 0x%" PRIXPTR " not found", reinterpret_cast<uintptr_t>(object));
        return KW_ERROR_PARAM_REQUIRED;
    }

    KW_status applyOption() {
        const KW_Handler handler = findOption(class_, option_ + 1);
        if (!handler) return notParam(option_ + 1);
        if (!KW_Object::live(object_)) return notLive(object_);  // an earlier option deleted it
        KW_value result;
        if (arg_.kind > KW_value::EMPTY) {
            withTerminatedText([&] { handler(&result, object_, arg_); });
            return KW_OK;
        }
        const KW_value* answer = handler(&result, object_, KW_EMPTY);
        if (!answer) answer = &result;
        if (flags_ & KW_RESULT_TEXT) out_.add(*answer);
        if ((flags_ & KW_OUT_POINTERS) && answer->kind > KW_value::EMPTY && arg_.kind > KW_value::UNSTORED)
            store(*answer);
        return KW_OK;
    }

    KW_status takeObject() {
        switch (arg_.kind) {
        case KW_value::INTEGER:
        case KW_value::FLOAT:
        case KW_value::OBJECT:
            if (!KW_Object::live(arg_.p)) return notLive(arg_.p);
            object_ = static_cast<KW_Object*>(arg_.p);
            if (!class_) class_ = object_->kwclass;
            return KW_OK;
        }
        if (!class_) {  // a placeholder that is no object, where a class name or an object belongs
            say("command '%s' not found", text_);
            return KW_ERROR_COMMAND_NOT_FOUND;
        }
        const KW_Factory factory = class_[0].factory;
        if (factory) {
            KW_specialobject = arg_.kind == KW_value::TEXT ? arg_.s : nullptr;
            withTerminatedText([&] { object_ = factory(); });
            KW_specialobject = nullptr;  // it pointed into this command's text
        }
        if (!object_) {
            say("%s", text_);
            say(factory ? "class '%s' made no object" : "class '%s' cannot make objects", className_);
            return KW_ERROR_PARAM_REQUIRED;
        }
        object_->kwclass = class_;
        if (flags_ & KW_RESULT_TEXT) out_.add(KW_value::object(object_));
        if ((flags_ & KW_OUT_POINTERS) && arg_.kind > KW_value::UNSTORED) store(KW_value::object(object_));
        return KW_OK;
    }
};

}  // namespace

KW_status KW_vcommand(int flags, char* text, char* result, int* capacity, va_list args) {
    char empty[1] = {'\0'};
    va_list ap;
    va_copy(ap, args);
    const KW_status s = Interpreter(flags, text ? text : empty, result, capacity, &ap).run();
    va_end(ap);
    return s;
}

KW_status KW_command(const char* text, ...) {
    std::string copy(text ? text : "");  // the interpreter writes into its text while handlers run
    va_list args;
    va_start(args, text);
    const KW_status s = KW_vcommand(KW_OUT_POINTERS, copy.data(), nullptr, nullptr, args);
    va_end(args);
    return s;
}
