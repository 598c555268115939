#!/usr/bin/env python3
"""Generates the game server protocol code and documentation from the packet catalogue.

Usage:
  protogen.py CATALOGUE --out DIR        writes packets.h, packets.cpp, packets_json.h,
                                         packets_json.cpp, packet_samples.h,
                                         packet_samples.cpp and protocol.md into DIR
  protogen.py CATALOGUE --check-doc FILE fails when FILE differs from the generated doc
"""

import argparse
import os
import re
import sys

PRIMITIVES = {
    # name: (C++ type, minimum wire size, parameter type)
    "i8": ("qint8", 1, "qint8"),
    "u8": ("quint8", 1, "quint8"),
    "i32": ("qint32", 4, "qint32"),
    "i64": ("qint64", 8, "qint64"),
    "bool": ("bool", 1, "bool"),
    "str": ("QString", 4, "const QString &"),
    "bytes": ("QByteArray", 4, "const QByteArray &"),
    "tile": ("tile", 1, "tile"),
    "time": ("QDateTime", 8, "const QDateTime &"),
    "any": ("any_t", 1, "const any_t &"),
}

CPP_KEYWORDS = set("""
alignas alignof and and_eq asm auto bitand bitor bool break case catch char char16_t
char32_t class compl const constexpr const_cast continue decltype default delete do
double dynamic_cast else enum explicit export extern false float for friend goto if
inline int long mutable namespace new noexcept not not_eq nullptr operator or or_eq
private protected public register reinterpret_cast return short signed sizeof static
static_assert static_cast struct switch template this thread_local throw true try
typedef typeid typename union unsigned using virtual void volatile wchar_t while xor
xor_eq signals slots emit foreach tile any_t
type_name class_id inner_id enveloped direction envelope_key set_envelope_key any_id
""".split())

ENVELOPE_INNER_CLIENT = range(1, 32)


class CatalogueError(Exception):
    pass


class Field:
    def __init__(self, type_, name, secret, doc, line):
        self.type = type_
        self.name = name
        self.secret = secret
        self.doc = doc
        self.line = line


class Decl:
    def __init__(self, kind, name, doc, line):
        self.kind = kind          # record, any-struct, packet
        self.name = name
        self.doc = doc
        self.line = line
        self.fields = []
        self.class_id = None
        self.inner_id = None
        self.direction = None     # C or S
        self.any_id = None
        self.section = None


class Envelope:
    def __init__(self, class_id, name, key_type, key, default, doc):
        self.class_id = class_id
        self.name = name
        self.key_type = key_type
        self.key = key
        self.default = default
        self.doc = doc


def split_doc(text):
    if " : " in text:
        head, doc = text.split(" : ", 1)
        return head.strip(), doc.strip()
    return text.strip(), ""


def parse(path):
    decls = []
    envelopes = {}
    section = None
    current = None
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    for number, raw in enumerate(lines, 1):
        where = f"{path}:{number}"
        if not raw.strip():
            continue
        if raw.lstrip().startswith("#"):
            m = re.match(r"#\s*-+\s*(.+)$", raw.strip())
            if m and not raw.startswith(" "):
                section = m.group(1).strip()
            continue
        if raw[0] in " \t":
            if current is None or current.kind == "envelope":
                raise CatalogueError(f"{where}: field outside a declaration")
            head, doc = split_doc(raw)
            parts = head.split()
            if len(parts) not in (2, 3) or (len(parts) == 3 and parts[2] != "secret"):
                raise CatalogueError(f"{where}: expected 'TYPE NAME [secret]'")
            current.fields.append(Field(parts[0], parts[1], len(parts) == 3, doc, where))
            continue
        head, doc = split_doc(raw)
        parts = head.split()
        kind = parts[0]
        if kind == "record" and len(parts) == 2:
            current = Decl("record", parts[1], doc, where)
            decls.append(current)
        elif kind == "any-struct" and len(parts) == 3:
            current = Decl("any-struct", parts[2], doc, where)
            current.any_id = int(parts[1])
            decls.append(current)
        elif kind == "envelope" and len(parts) == 5:
            key, _, default = parts[4].partition("=")
            env = Envelope(int(parts[1]), parts[2], parts[3], key, default or None, doc)
            if env.class_id in envelopes:
                raise CatalogueError(f"{where}: envelope {env.class_id} declared twice")
            envelopes[env.class_id] = env
            current = None
        elif kind == "packet" and len(parts) == 4:
            current = Decl("packet", parts[2], doc, where)
            ids = parts[1].split(".")
            current.class_id = int(ids[0])
            current.inner_id = int(ids[1]) if len(ids) == 2 else None
            current.direction = parts[3]
            current.section = section
            decls.append(current)
        else:
            raise CatalogueError(f"{where}: cannot read '{raw.strip()}'")
    return decls, envelopes


def element_type(t):
    m = re.fullmatch(r"list<(.+)>", t)
    return m.group(1) if m else None


def check(decls, envelopes):
    names = {}
    for d in decls:
        if d.name in names:
            raise CatalogueError(f"{d.line}: {d.name} declared twice")
        if not re.fullmatch(r"[a-z][a-z0-9_]*_t", d.name):
            raise CatalogueError(f"{d.line}: {d.name} must be lower case and end in _t")
        names[d.name] = d
    known = set(PRIMITIVES)
    any_ids = set()
    ids = set()
    for d in decls:
        if d.kind == "any-struct":
            if d.any_id in any_ids or not 1 <= d.any_id <= 255:
                raise CatalogueError(f"{d.line}: bad or repeated any structure id {d.any_id}")
            any_ids.add(d.any_id)
        if d.kind == "packet":
            if d.direction not in ("C", "S"):
                raise CatalogueError(f"{d.line}: direction must be C or S")
            if not 0 <= d.class_id <= 211:
                raise CatalogueError(f"{d.line}: class id out of 0-211")
            if d.inner_id is not None:
                if d.class_id not in envelopes:
                    raise CatalogueError(f"{d.line}: class {d.class_id} is not an envelope")
                if not 0 <= d.inner_id <= 255:
                    raise CatalogueError(f"{d.line}: inner id out of 0-255")
                client = d.inner_id in ENVELOPE_INNER_CLIENT
                if client != (d.direction == "C"):
                    raise CatalogueError(f"{d.line}: inner ids 1-31 go to the server, 32 and up to the client")
            elif d.class_id in envelopes:
                raise CatalogueError(f"{d.line}: class {d.class_id} is an envelope; give an inner id")
            key = (d.class_id, d.inner_id)
            if key in ids:
                raise CatalogueError(f"{d.line}: id {key} used twice")
            ids.add(key)
        seen = set()
        if d.kind == "packet" and d.inner_id is not None:
            seen.add(envelopes[d.class_id].key)
        for f in d.fields:
            if f.name in seen:
                raise CatalogueError(f"{f.line}: field {f.name} repeated (or shadows the envelope key)")
            seen.add(f.name)
            if f.name in CPP_KEYWORDS or f.name in names or f.name in known or not re.fullmatch(r"[a-z][a-z0-9_]*", f.name):
                raise CatalogueError(f"{f.line}: field name '{f.name}' is not allowed")
            t = f.type
            while element_type(t):
                t = element_type(t)
            if t == d.name and d.kind == "record" and element_type(f.type):
                continue  # a record may hold a list of itself
            if t not in known:
                raise CatalogueError(f"{f.line}: unknown type '{f.type}' (declare records before use)")
            if d.kind == "any-struct" and (t not in PRIMITIVES or t == "any"):
                raise CatalogueError(f"{f.line}: an any structure holds primitive fields only")
        if d.kind in ("record", "any-struct"):
            known.add(d.name)


# ---------------------------------------------------------------- C++ helpers

def cpp_type(t):
    e = element_type(t)
    if e:
        return f"std::vector<{cpp_type(e)}>"
    if t in PRIMITIVES:
        return PRIMITIVES[t][0]
    return t


def min_size(t, decls_by_name):
    if element_type(t):
        return 4
    if t in PRIMITIVES:
        return PRIMITIVES[t][1]
    return max(1, sum(min_size(f.type, decls_by_name) for f in decls_by_name[t].fields
                      if f.type != t))


def default_init(t):
    if element_type(t):
        return ""
    if t in ("i8", "u8", "i32", "i64"):
        return " = 0"
    if t == "bool":
        return " = false"
    return ""


def packet_fields(d, envelopes):
    """The fields of a packet structure: the envelope key first, where there is one."""
    fields = []
    if d.kind == "packet" and d.inner_id is not None:
        env = envelopes[d.class_id]
        fields.append(Field(env.key_type, env.key, False, "Envelope key.", d.line))
    return fields + d.fields


GENERATED_NOTE = "// Generated by tools/protogen/protogen.py from src/protocol/packets.catalogue. Do not edit.\n"


def gen_header(decls, envelopes):
    records = [d for d in decls if d.kind == "record"]
    any_structs = [d for d in decls if d.kind == "any-struct"]
    packets = [d for d in decls if d.kind == "packet"]
    o = []
    w = o.append
    w("#pragma once\n")
    w(GENERATED_NOTE)
    w('#include "protocol/codec.h"\n\n#include <variant>\n\n')
    w("namespace protocol {\n\n")
    w("// Envelope classes: the class id is followed by the key and the inner id.\n")
    w("namespace envelope {\n")
    for env in envelopes.values():
        w(f"constexpr quint8 {env.name} = {env.class_id};\n")
    w("} // namespace envelope\n\n")

    # any structures first: any_t holds them by value.
    for d in any_structs:
        w(struct_decl(d, d.fields, envelopes))
        w(f"bool operator==(const {d.name} &a, const {d.name} &b);\n\n")
    w(any_decl(any_structs))
    forward = [d for d in records]
    for d in forward:
        w(f"struct {d.name};\n")
    w("\n")
    for d in records:
        w(struct_decl(d, d.fields, envelopes))
    for d in packets:
        w(struct_decl(d, packet_fields(d, envelopes), envelopes))

    w("// Packet structures in catalogue order.\n")
    w("template <class... T> struct type_list {};\n")
    w("using all_packets = type_list<\n    " + ",\n    ".join(d.name for d in packets) + ">;\n\n")
    w("""template <class F, class... T>
void for_each_packet_type(type_list<T...>, F &&f)
{
    (f(static_cast<const T *>(nullptr)), ...);
}

// Calls f with a null const P * for every packet structure P.
template <class F>
void for_each_packet_type(F &&f)
{
    for_each_packet_type(all_packets{}, std::forward<F>(f));
}

""")
    for d in any_structs + records:
        w(f"void read(reader &r, {d.name} &v);\n")
        w(f"void write(writer &w, const {d.name} &v);\n")
        w(f"void dump(dumper &d, const {d.name} &v);\n")
        w(f"bool operator==(const {d.name} &a, const {d.name} &b);\n")
        w(f"inline bool operator!=(const {d.name} &a, const {d.name} &b) {{ return !(a == b); }}\n")
        w(f"template <> struct wire_min_size<{d.name}> {{ static constexpr qsizetype value = {min_size(d.name, {x.name: x for x in decls})}; }};\n\n")
    w("void read(reader &r, any_t &v);\nvoid write(writer &w, const any_t &v);\nvoid dump(dumper &d, const any_t &v);\n")
    w("template <> struct wire_min_size<any_t> { static constexpr qsizetype value = 5; };\n\n")
    w("// Packet bodies: the fields after the class id (and after the envelope key and inner id).\n")
    for d in packets:
        w(f"void read_body(reader &r, {d.name} &v);\n")
        w(f"void write_body(writer &w, const {d.name} &v);\n")
        w(f"void dump(dumper &d, const {d.name} &v);\n")
        w(f"bool operator==(const {d.name} &a, const {d.name} &b);\n")
        w(f"inline bool operator!=(const {d.name} &a, const {d.name} &b) {{ return !(a == b); }}\n")
    w("""
// The readable text of a structure, for the debug log.
template <class T>
QString dump(const T &v)
{
    dumper d;
    dump(d, v);
    return d.take();
}

// Appends one complete frame (length field, class id, envelope header, body) of a packet.
template <class P>
void write_frame(writer &w, const P &p)
{
    const qsizetype start = w.size();
    w.i32(0);
    w.u8(P::class_id);
    if constexpr (P::enveloped) {
        write(w, P::envelope_key(p));
        w.u8(P::inner_id);
    }
    write_body(w, p);
    const qsizetype length = w.size() - start - FrameHeaderSize;
    if (length > qsizetype(MaxFrameLength))
        throw std::length_error(std::string("packet too large: ") + P::type_name);
    w.patchU32(start, static_cast<quint32>(length));
}

// The complete frame of a packet.
template <class P>
QByteArray frame(const P &p)
{
    writer w;
    write_frame(w, p);
    return w.take();
}

enum class visit_result { handled, unknown_class, unknown_inner };

namespace detail {
// Reads the body of P; a malformed one is refused with the packet's name.
template <class P>
void read_whole_body(reader &r, P &p)
{
    try {
        read_body(r, p);
        r.expectEnd();
    } catch (const decode_error &e) {
        throw decode_error(std::string(e.what()) + " in " + P::type_name);
    }
}
template <class P, class Visitor>
void decode_and_visit(reader &r, Visitor &visitor)
{
    P p;
    read_whole_body(r, p);
    visitor(std::as_const(p));
}
template <class P, class Visitor>
void decode_and_visit(reader &r, Visitor &visitor, qint32 key)
{
    P p;
    P::set_envelope_key(p, key);
    read_whole_body(r, p);
    visitor(std::as_const(p));
}
} // namespace detail

// Decodes a received frame and calls visitor(const P &) with its packet. Only packets
// travelling in direction Dir are decoded; others count as unknown. Malformed
// bodies throw decode_error.
template <direction Dir, class Visitor>
visit_result visit(const message_t &m, Visitor &&visitor)
{
    reader r(m.body(), m.bodySize());
    switch (m.classId()) {
""")
    top = [d for d in packets if d.inner_id is None]
    for d in top:
        dirname = "to_server" if d.direction == "C" else "to_client"
        w(f"    case {d.class_id}:\n")
        w(f"        if constexpr (Dir == direction::{dirname}) {{\n")
        w(f"            detail::decode_and_visit<{d.name}>(r, visitor);\n")
        w("            return visit_result::handled;\n        }\n        break;\n")
    for env in envelopes.values():
        w(f"    case {env.class_id}: {{\n")
        w(f"        {cpp_type(env.key_type)} key;\n        read(r, key);\n")
        w("        const quint8 inner = r.u8();\n        switch (inner) {\n")
        for d in packets:
            if d.class_id != env.class_id:
                continue
            dirname = "to_server" if d.direction == "C" else "to_client"
            w(f"        case {d.inner_id}:\n")
            w(f"            if constexpr (Dir == direction::{dirname}) {{\n")
            w(f"                detail::decode_and_visit<{d.name}>(r, visitor, key);\n")
            w("                return visit_result::handled;\n            }\n            break;\n")
        w("        default:\n            break;\n        }\n        return visit_result::unknown_inner;\n    }\n")
    w("    default:\n        break;\n    }\n    return visit_result::unknown_class;\n}\n\n")
    w("} // namespace protocol\n")
    return "".join(o)


def struct_decl(d, fields, envelopes):
    o = [f"// {d.doc}\n" if d.doc else "", f"struct {d.name}\n{{\n"]
    if d.kind == "packet":
        enveloped = d.inner_id is not None
        o.append(f"    static constexpr const char *type_name = \"{d.name}\";\n")
        o.append(f"    static constexpr quint8 class_id = {d.class_id};\n")
        o.append(f"    static constexpr quint8 inner_id = {d.inner_id or 0};\n")
        o.append(f"    static constexpr bool enveloped = {'true' if enveloped else 'false'};\n")
        dirname = "to_server" if d.direction == "C" else "to_client"
        o.append(f"    static constexpr protocol::direction direction = protocol::direction::{dirname};\n")
        if enveloped:
            env = envelopes[d.class_id]
            kt = cpp_type(env.key_type)
            o.append(f"    static {kt} envelope_key(const {d.name} &p) {{ return p.{env.key}; }}\n")
            o.append(f"    static void set_envelope_key({d.name} &p, {kt} key) {{ p.{env.key} = key; }}\n")
        o.append("\n")
    if d.kind == "any-struct":
        o.append(f"    static constexpr quint8 any_id = {d.any_id};\n\n")
    for i, f in enumerate(fields):
        init = default_init(f.type)
        if d.kind == "packet" and d.inner_id is not None and i == 0:
            env = envelopes[d.class_id]
            if env.default is not None:
                init = f" = {env.default}"
        o.append(f"    {cpp_type(f.type)} {f.name}{init};")
        o.append(f" // {f.doc}\n" if f.doc else "\n")
    o.append("};\n\n")
    return "".join(o)


def any_decl(any_structs):
    alts = ["QString", "qint32", "qint64", "std::vector<any_t>"] + [d.name for d in any_structs]
    ctors = "\n".join(f"    any_t({d.name} v) : m_value(std::move(v)) {{}}" for d in any_structs)
    return f"""// The protocol's dynamic value: a string, a 32- or 64-bit integer, a list of values,
// or one of the structures that may travel inside it. On the wire a tag byte comes
// first: 0 string, 1 i32, 2 i64, 3 list, 4 structure (then the structure id).
class any_t
{{
public:
    enum class kind : quint8 {{ string = 0, int32 = 1, int64 = 2, list = 3, structure = 4 }};
    using list_t = std::vector<any_t>;
    using value_t = std::variant<{', '.join(alts)}>;

    any_t() : m_value(qint32(0)) {{}}
    any_t(QString v) : m_value(std::move(v)) {{}}
    any_t(qint32 v) : m_value(v) {{}}
    any_t(qint64 v) : m_value(v) {{}}
    any_t(list_t v) : m_value(std::move(v)) {{}}
{ctors}

    kind type() const {{ return m_value.index() < 4 ? kind(m_value.index()) : kind::structure; }}
    bool isString() const {{ return m_value.index() == 0; }}
    // A 32- or 64-bit integer.
    bool isInteger() const {{ return m_value.index() == 1 || m_value.index() == 2; }}
    bool isList() const {{ return m_value.index() == 3; }}

    const QString &toString() const {{ return std::get<QString>(m_value); }}
    qint64 toInteger() const {{ return m_value.index() == 1 ? std::get<qint32>(m_value) : std::get<qint64>(m_value); }}
    const list_t &toList() const {{ return std::get<list_t>(m_value); }}
    // The held value of type T, or null.
    template <class T>
    const T *get_if() const {{ return std::get_if<T>(&m_value); }}
    const value_t &value() const {{ return m_value; }}

    friend bool operator==(const any_t &a, const any_t &b) {{ return a.m_value == b.m_value; }}
    friend bool operator!=(const any_t &a, const any_t &b) {{ return !(a == b); }}

private:
    value_t m_value;
}};

"""


def gen_source(decls, envelopes):
    any_structs = [d for d in decls if d.kind == "any-struct"]
    records = [d for d in decls if d.kind == "record"]
    packets = [d for d in decls if d.kind == "packet"]
    o = []
    w = o.append
    w(GENERATED_NOTE)
    w('#include "protocol/packets.h"\n\nnamespace protocol {\n\n')

    def fields_code(name, fields, reader_name, writer_name):
        rd = "".join(f"    read(r, v.{f.name});\n" for f in fields)
        wr = "".join(f"    write(w, v.{f.name});\n" for f in fields)
        return rd, wr

    def dump_code(d, fields):
        lines = [f'    d.text("{d.name} {{");\n']
        for i, f in enumerate(fields):
            sep = ", " if i else " "
            if f.secret:
                lines.append(f'    d.text("{sep}{f.name}: <hidden>");\n')
            else:
                lines.append(f'    d.text("{sep}{f.name}: ");\n    dump(d, v.{f.name});\n')
        lines.append('    d.text(" }");\n' if fields else '    d.text("}");\n')
        return "".join(lines)

    def eq_code(fields):
        if not fields:
            return "    Q_UNUSED(a);\n    Q_UNUSED(b);\n    return true;\n"
        return "    return " + "\n        && ".join(f"a.{f.name} == b.{f.name}" for f in fields) + ";\n"

    for d in any_structs + records:
        rd, wr = fields_code(d.name, d.fields, "r", "w")
        w(f"void read(reader &r, {d.name} &v)\n{{\n{rd}}}\n\n")
        w(f"void write(writer &w, const {d.name} &v)\n{{\n{wr}}}\n\n")
        w(f"void dump(dumper &d, const {d.name} &v)\n{{\n{dump_code(d, d.fields)}}}\n\n")
        w(f"bool operator==(const {d.name} &a, const {d.name} &b)\n{{\n{eq_code(d.fields)}}}\n\n")
    for d in packets:
        rd, wr = fields_code(d.name, d.fields, "r", "w")
        rd = rd or "    Q_UNUSED(r);\n    Q_UNUSED(v);\n"
        wr = wr or "    Q_UNUSED(w);\n    Q_UNUSED(v);\n"
        w(f"void read_body(reader &r, {d.name} &v)\n{{\n{rd}}}\n\n")
        w(f"void write_body(writer &w, const {d.name} &v)\n{{\n{wr}}}\n\n")
        allf = packet_fields(d, envelopes)
        unused = "" if allf else "    Q_UNUSED(v);\n"
        w(f"void dump(dumper &d, const {d.name} &v)\n{{\n{unused}{dump_code(d, allf)}}}\n\n")
        w(f"bool operator==(const {d.name} &a, const {d.name} &b)\n{{\n{eq_code(allf)}}}\n\n")

    # any_t
    w("void read(reader &r, any_t &v)\n{\n    switch (r.u8()) {\n")
    w("    case 0:\n        v = any_t(r.str());\n        return;\n")
    w("    case 1:\n        v = any_t(r.i32());\n        return;\n")
    w("    case 2:\n        v = any_t(r.i64());\n        return;\n")
    w("    case 3: {\n        any_t::list_t list;\n        read(r, list);\n        v = any_t(std::move(list));\n        return;\n    }\n")
    w("    case 4:\n        switch (r.u8()) {\n")
    for d in any_structs:
        w(f"        case {d.any_id}: {{\n            {d.name} s;\n            read(r, s);\n            v = any_t(std::move(s));\n            return;\n        }}\n")
    w("        default:\n            throw decode_error(\"unknown structure in a dynamic value\");\n        }\n")
    w("    default:\n        throw decode_error(\"unknown dynamic value tag\");\n    }\n}\n\n")

    w("void write(writer &w, const any_t &v)\n{\n    std::visit([&w](const auto &x) {\n")
    w("        using T = std::decay_t<decltype(x)>;\n")
    w("        if constexpr (std::is_same_v<T, QString>) {\n            w.u8(0);\n            w.str(x);\n")
    w("        } else if constexpr (std::is_same_v<T, qint32>) {\n            w.u8(1);\n            w.i32(x);\n")
    w("        } else if constexpr (std::is_same_v<T, qint64>) {\n            w.u8(2);\n            w.i64(x);\n")
    w("        } else if constexpr (std::is_same_v<T, any_t::list_t>) {\n            w.u8(3);\n            write(w, x);\n")
    w("        } else {\n            w.u8(4);\n            w.u8(T::any_id);\n            write(w, x);\n        }\n")
    w("    }, v.value());\n}\n\n")
    w("void dump(dumper &d, const any_t &v)\n{\n    std::visit([&d](const auto &x) {\n")
    w("        using T = std::decay_t<decltype(x)>;\n")
    w("        if constexpr (std::is_same_v<T, qint64>) {\n            dump(d, x);\n            d.text(\"L\");\n")
    w("        } else {\n            dump(d, x);\n        }\n    }, v.value());\n}\n\n")

    w("} // namespace protocol\n")
    return "".join(o)


# ---------------------------------------------------------------- JSON (test server)

def gen_json_header(decls):
    o = ["#pragma once\n", GENERATED_NOTE,
         '#include "protocol/packets.h"\n\n#include <QJsonObject>\n#include <QJsonValue>\n\n',
         "// JSON forms of the packet structures, for scenario files of the test server.\n",
         "namespace protocol::json {\n\n",
         "// Bad JSON for a structure; the text names the field.\n",
         "class json_error : public std::runtime_error\n{\npublic:\n    explicit json_error(const std::string &what) : std::runtime_error(what) {}\n};\n\n",
         "QJsonValue to_json(const any_t &v);\nvoid from_json(const QJsonValue &j, any_t &v);\n"]
    for d in decls:
        if d.kind in ("record", "any-struct", "packet"):
            o.append(f"QJsonValue to_json(const {d.name} &v);\nvoid from_json(const QJsonValue &j, {d.name} &v);\n")
    o.append("""
// Builds the frame of the packet named name from the JSON object of its fields; fields
// left out keep their defaults. Throws json_error for an unknown name or a bad field.
QByteArray frame_from_json(const QString &name, const QJsonObject &fields);
// The name and JSON fields of a frame's packet (either direction); throws
// decode_error for a malformed body. An unknown id gives an empty name.
std::pair<QString, QJsonObject> decode_to_json(const message_t &m);

} // namespace protocol::json
""")
    return "".join(o)


def gen_json_source(decls, envelopes):
    packets = [d for d in decls if d.kind == "packet"]
    o = [GENERATED_NOTE, '#include "protocol/packets_json.h"\n#include "protocol/testing/json_support.h"\n\n',
         "namespace protocol::json {\n\n"]
    for d in decls:
        if d.kind not in ("record", "any-struct", "packet"):
            continue
        fields = packet_fields(d, envelopes) if d.kind == "packet" else d.fields
        o.append(f"QJsonValue to_json(const {d.name} &v)\n{{\n    QJsonObject o;\n")
        for f in fields:
            o.append(f"    o.insert(QLatin1String(\"{f.name}\"), to_json_value(v.{f.name}));\n")
        if not fields:
            o.append("    Q_UNUSED(v);\n")
        o.append("    return o;\n}\n\n")
        o.append(f"void from_json(const QJsonValue &j, {d.name} &v)\n{{\n")
        o.append(f"    const QJsonObject o = object_of(j, \"{d.name}\");\n")
        for f in fields:
            o.append(f"    field_from_json(o, \"{f.name}\", v.{f.name});\n")
        if not fields:
            o.append("    Q_UNUSED(v);\n")
        o.append(f"    check_known_fields(o, \"{d.name}\", {{{', '.join(chr(34) + f.name + chr(34) for f in fields)}}});\n")
        o.append("}\n\n")
    any_structs = [d for d in decls if d.kind == "any-struct"]
    o.append("QJsonValue to_json(const any_t &v)\n{\n    return std::visit([](const auto &x) -> QJsonValue {\n")
    o.append("        using T = std::decay_t<decltype(x)>;\n")
    o.append("        if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, qint32>) {\n            return x;\n")
    o.append("        } else if constexpr (std::is_same_v<T, qint64>) {\n            return QJsonObject{{QLatin1String(\"i64\"), to_json_value(x)}};\n")
    o.append("        } else if constexpr (std::is_same_v<T, any_t::list_t>) {\n            return to_json_value(x);\n")
    for d in any_structs:
        o.append(f"        }} else if constexpr (std::is_same_v<T, {d.name}>) {{\n            return QJsonObject{{{{QLatin1String(\"{d.name}\"), to_json(x)}}}};\n")
    o.append("        }\n    }, v.value());\n}\n\n")
    o.append("void from_json(const QJsonValue &j, any_t &v)\n{\n    if (any_from_json_simple(j, v))\n        return;\n")
    o.append("    const QJsonObject o = object_of(j, \"any\");\n")
    for d in any_structs:
        o.append(f"    if (o.contains(QLatin1String(\"{d.name}\"))) {{\n        {d.name} s;\n        from_json(o.value(QLatin1String(\"{d.name}\")), s);\n        v = any_t(s);\n        return;\n    }}\n")
    o.append("    throw json_error(\"unknown dynamic value\");\n}\n\n")
    o.append("QByteArray frame_from_json(const QString &name, const QJsonObject &fields)\n{\n")
    for d in packets:
        o.append(f"    if (name == QLatin1String(\"{d.name}\")) {{\n        {d.name} p;\n        from_json(fields, p);\n        return frame(p);\n    }}\n")
    o.append("    throw json_error(\"unknown packet \" + name.toStdString());\n}\n\n")
    o.append("""namespace {
struct to_json_visitor
{
    std::pair<QString, QJsonObject> &out;
    template <class P>
    void operator()(const P &p)
    {
        out = {QString::fromLatin1(P::type_name), to_json(p).toObject()};
    }
};
} // namespace

std::pair<QString, QJsonObject> decode_to_json(const message_t &m)
{
    std::pair<QString, QJsonObject> out;
    if (visit<direction::to_server>(m, to_json_visitor{out}) != visit_result::handled)
        visit<direction::to_client>(m, to_json_visitor{out});
    return out;
}

} // namespace protocol::json
""")
    return "".join(o)


# ---------------------------------------------------------------- samples (tests, benchmark, fuzzing)

def gen_samples_header(decls):
    o = ["#pragma once\n", GENERATED_NOTE, '#include "protocol/packets.h"\n#include "protocol/testing/sample_source.h"\n\n',
         "// Filled structures for round-trip tests, fuzzing seeds and benchmarks: every field\n",
         "// gets a value from the source, lists a few elements, any values every kind.\n",
         "namespace protocol::samples {\n\n",
         "void fill(sample_source &s, any_t &v);\n"]
    for d in decls:
        if d.kind in ("record", "any-struct", "packet"):
            o.append(f"void fill(sample_source &s, {d.name} &v);\n")
    o.append("\n} // namespace protocol::samples\n")
    return "".join(o)


def gen_samples_source(decls, envelopes):
    o = [GENERATED_NOTE, '#include "protocol/packet_samples.h"\n\nnamespace protocol::samples {\n\n']
    any_structs = [d for d in decls if d.kind == "any-struct"]
    for d in decls:
        if d.kind not in ("record", "any-struct", "packet"):
            continue
        fields = packet_fields(d, envelopes) if d.kind == "packet" else d.fields
        o.append(f"void fill(sample_source &s, {d.name} &v)\n{{\n")
        if d.kind == "record" and any(element_type(f.type) == d.name for f in fields):
            o.append("    sample_source::level deeper(s);\n")
        for f in fields:
            o.append(f"    fill(s, v.{f.name});\n")
        if not fields:
            o.append("    Q_UNUSED(s);\n    Q_UNUSED(v);\n")
        o.append("}\n\n")
    o.append("void fill(sample_source &s, any_t &v)\n{\n    sample_source::level deeper(s);\n")
    o.append(f"    switch (s.pick({5 if any_structs else 4})) {{\n")
    o.append("    case 0: {\n        QString x;\n        fill(s, x);\n        v = any_t(x);\n        break;\n    }\n")
    o.append("    case 1: {\n        qint32 x;\n        fill(s, x);\n        v = any_t(x);\n        break;\n    }\n")
    o.append("    case 2: {\n        qint64 x;\n        fill(s, x);\n        v = any_t(x);\n        break;\n    }\n")
    o.append("    case 3: {\n        any_t::list_t x;\n        fill(s, x);\n        v = any_t(std::move(x));\n        break;\n    }\n")
    if any_structs:
        o.append(f"    default:\n        switch (s.pick({len(any_structs)})) {{\n")
        for i, d in enumerate(any_structs):
            o.append(f"        case {i}: {{\n            {d.name} x;\n            fill(s, x);\n            v = any_t(x);\n            break;\n        }}\n")
        o.append("        }\n        break;\n")
    o.append("    }\n}\n\n} // namespace protocol::samples\n")
    return "".join(o)


# ---------------------------------------------------------------- QDataStream forms (benchmark baseline)

def gen_qdatastream_header(decls, envelopes):
    o = ["#pragma once\n", GENERATED_NOTE,
         '#include "protocol/packets.h"\n\n#include <QDataStream>\n\n',
         "// The same fields written and read with QDataStream: the baseline the benchmark\n",
         "// compares the codec with. Times travel as milliseconds, lists as a count and the\n",
         "// elements, any values as a tag and the value.\n",
         "namespace protocol::qds {\n\n",
         "inline void put(QDataStream &s, qint8 v) { s << v; }\n",
         "inline void put(QDataStream &s, quint8 v) { s << v; }\n",
         "inline void put(QDataStream &s, qint32 v) { s << v; }\n",
         "inline void put(QDataStream &s, qint64 v) { s << v; }\n",
         "inline void put(QDataStream &s, bool v) { s << v; }\n",
         "inline void put(QDataStream &s, const QString &v) { s << v; }\n",
         "inline void put(QDataStream &s, const QByteArray &v) { s << v; }\n",
         "inline void put(QDataStream &s, tile v) { s << v.code(); }\n",
         "inline void put(QDataStream &s, const QDateTime &v) { s << qint64(v.isValid() ? v.toMSecsSinceEpoch() : -1); }\n",
         "inline void get(QDataStream &s, qint8 &v) { s >> v; }\n",
         "inline void get(QDataStream &s, quint8 &v) { s >> v; }\n",
         "inline void get(QDataStream &s, qint32 &v) { s >> v; }\n",
         "inline void get(QDataStream &s, qint64 &v) { s >> v; }\n",
         "inline void get(QDataStream &s, bool &v) { s >> v; }\n",
         "inline void get(QDataStream &s, QString &v) { s >> v; }\n",
         "inline void get(QDataStream &s, QByteArray &v) { s >> v; }\n",
         "inline void get(QDataStream &s, tile &v) { quint8 c = 0; s >> c; v = tile(c); }\n",
         "inline void get(QDataStream &s, QDateTime &v) { qint64 ms = 0; s >> ms; v = ms == -1 ? QDateTime() : QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC); }\n",
         "void put(QDataStream &s, const any_t &v);\nvoid get(QDataStream &s, any_t &v);\n"]
    for d in decls:
        o.append(f"void put(QDataStream &s, const {d.name} &v);\nvoid get(QDataStream &s, {d.name} &v);\n")
    o.append("""
template <class T>
void put(QDataStream &s, const std::vector<T> &v)
{
    s << qint32(v.size());
    for (const T &e : v)
        put(s, e);
}

template <class T>
void get(QDataStream &s, std::vector<T> &v)
{
    qint32 n = 0;
    s >> n;
    v.clear();
    for (qint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i) {
        v.emplace_back();
        get(s, v.back());
    }
}

inline void put(QDataStream &s, const any_t &v)
{
    s << quint8(v.value().index());
    std::visit([&s](const auto &x) { put(s, x); }, v.value());
}

inline void get(QDataStream &s, any_t &v)
{
    quint8 tag = 0;
    s >> tag;
    switch (tag) {
    case 0: { QString x; get(s, x); v = any_t(x); break; }
    case 1: { qint32 x; get(s, x); v = any_t(x); break; }
    case 2: { qint64 x; get(s, x); v = any_t(x); break; }
    case 3: { any_t::list_t x; get(s, x); v = any_t(std::move(x)); break; }
    default: s.setStatus(QDataStream::ReadCorruptData);
    }
}

""")
    for d in decls:
        fields = packet_fields(d, envelopes) if d.kind == "packet" else d.fields
        body = "".join(f"    put(s, v.{f.name});\n" for f in fields) or "    Q_UNUSED(s);\n    Q_UNUSED(v);\n"
        o.append(f"inline void put(QDataStream &s, const {d.name} &v)\n{{\n{body}}}\n\n")
        body = "".join(f"    get(s, v.{f.name});\n" for f in fields) or "    Q_UNUSED(s);\n    Q_UNUSED(v);\n"
        o.append(f"inline void get(QDataStream &s, {d.name} &v)\n{{\n{body}}}\n\n")
    o.append("} // namespace protocol::qds\n")
    return "".join(o)


# ---------------------------------------------------------------- documentation

DOC_INTRO = """# Game server protocol

<!-- Generated by tools/protogen/protogen.py from src/protocol/packets.catalogue. Do not edit;
     change the catalogue and run `cmake --build <build> --target update_protocol_docs`. -->

The client and the game server exchange frames over one TCP connection (TLS 1.2 or
later by default, plain when the client is started with `--nossl`). This page lists every
packet. It is written from the same catalogue as the code, and a test fails when it is
out of date.

## Frames

| part | encoding |
|---|---|
| length | `u32`, big-endian: the number of bytes that follow (class id and body); 1 to 16 MiB |
| class id | `u8`, 0 to 211 |
| envelope header | only for the envelope classes: the envelope key, then `u8` inner id |
| body | the packet's fields in order |

The bytes-received counter adds length + 4 for each frame, the bytes-sent counter the
size of each written frame. A length of 0 or above 16 MiB is a protocol error that
closes the connection. Inner ids 1 to 31 travel from the client to the server, 32 and up
from the server to the client.

## Field types

| type | encoding |
|---|---|
| `i8`, `u8`, `i32`, `i64` | big-endian two's complement |
| `bool` | `u8` 0 or 1; any other value is malformed |
| `str` | `i32` byte count, then UTF-8 bytes (invalid UTF-8 is malformed) |
| `bytes` | `i32` byte count, then the bytes |
| `list<T>` | `i32` element count, then the elements; lists nest at most 64 deep |
| `tile` | `u8` tile code, 255 for a face that is not known |
| `time` | `i64` milliseconds since 1970-01-01 00:00 UTC; -1 for no time |
| `any` | `u8` tag, then 0 `str`, 1 `i32`, 2 `i64`, 3 `list<any>`, 4 `u8` structure id and the structure |

A reader refuses a truncated body, bytes left over after the last field, a negative
count, a count larger than the bytes left could hold, a wrong `any` tag and invalid UTF-8,
before it allocates anything for them. Unknown class ids and inner ids are logged and
skipped; the length keeps the stream in step.

## Using the generated code

`protocol/packets.h` (generated into the build directory) declares, in namespace
`protocol`:

- one `struct` per packet, named as below, with the fields in wire order. Its static
  members give `name`, `class_id`, `inner_id` (0 outside envelopes), `enveloped`,
  `direction` and, in envelopes, `envelope_key(p)` (the first field, such as `table`);
- one `struct` per record, and `any_t` (`type()`, `isString()`, `isInteger()`, `isList()`,
  `toString()`, `toInteger()`, `toList()`, `get_if<T>()`);
- `frame(packet)`: the complete frame of a packet (`write_frame(writer, packet)` appends it
  to a writer);
- `visit<direction::to_client>(message, visitor)`: decodes a received `message_t` and calls
  `visitor(const P &)` with the packet; it returns `visit_result::unknown_class` or
  `unknown_inner` for ids it does not know (or that travel the other way), and throws
  `decode_error` for a malformed body;
- `dump(value)`: readable text for the debug log (secret fields are hidden);
- `read`/`read_body`, `write`/`write_body`, `operator==` and `for_each_packet_type(f)`.

`protocol/Connection.h` opens the connection and cuts frames; `protocol/conversions.h`
turns wire values into the client's value types; `protocol/enums.h` holds the server
enumerations. A new packet is added to `src/protocol/packets.catalogue` only: the round-trip
tests, the fuzz target and the test server's JSON scenarios pick it up. The test server and
its scenario files are described in `tools/testserver/README.md`.
"""


def md_type(t):
    return f"`{t}`"


def gen_doc(decls, envelopes):
    o = [DOC_INTRO]
    records = [d for d in decls if d.kind in ("record", "any-struct")]
    packets = [d for d in decls if d.kind == "packet"]
    o.append("\n## Envelopes\n\n| class | envelope | key | description |\n|---|---|---|---|\n")
    for env in envelopes.values():
        key = f"`{env.key_type} {env.key}`" + (f" (= {env.default})" if env.default else "")
        o.append(f"| {env.class_id} | {env.name} | {key} | {env.doc} |\n")
    o.append("\n## Records\n")
    for d in records:
        extra = f" (inside `any` as structure {d.any_id})" if d.kind == "any-struct" else ""
        o.append(f"\n### `{d.name}`{extra}\n\n{d.doc}\n\n| field | type | description |\n|---|---|---|\n")
        for f in d.fields:
            o.append(f"| `{f.name}` | {md_type(f.type)} | {f.doc} |\n")
    o.append("\n## Packets\n\nC: client to server; S: server to client.\n")
    section = None
    for d in packets:
        if d.section != section:
            section = d.section
            o.append(f"\n### {section[0].upper() + section[1:]}\n")
        ident = f"{d.class_id}" if d.inner_id is None else f"{d.class_id}.{d.inner_id}"
        o.append(f"\n#### {ident} `{d.name}` ({d.direction})\n\n{d.doc}\n")
        if d.inner_id is not None:
            env = envelopes[d.class_id]
            o.append(f"\nIn the {env.name.replace('_', '-')} envelope; `{env.key}` is the envelope key.\n")
        if d.fields:
            o.append("\n| field | type | description |\n|---|---|---|\n")
            for f in d.fields:
                secret = " Hidden in the log." if f.secret else ""
                o.append(f"| `{f.name}` | {md_type(f.type)} | {f.doc}{secret} |\n")
        else:
            o.append("\nNo fields.\n")
    return "".join(o)


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("catalogue")
    ap.add_argument("--out")
    ap.add_argument("--check-doc")
    args = ap.parse_args()
    try:
        decls, envelopes = parse(args.catalogue)
        check(decls, envelopes)
    except CatalogueError as e:
        print(f"protogen: {e}", file=sys.stderr)
        return 1
    doc = gen_doc(decls, envelopes)
    if args.check_doc:
        with open(args.check_doc, encoding="utf-8") as f:
            if f.read() != doc:
                print(f"protogen: {args.check_doc} is out of date; build the target update_protocol_docs",
                      file=sys.stderr)
                return 1
        return 0
    if not args.out:
        ap.error("--out or --check-doc is needed")
    os.makedirs(args.out, exist_ok=True)
    outputs = {
        "packets.h": gen_header(decls, envelopes),
        "packets.cpp": gen_source(decls, envelopes),
        "packets_json.h": gen_json_header(decls),
        "packets_json.cpp": gen_json_source(decls, envelopes),
        "packet_samples.h": gen_samples_header(decls),
        "packet_samples.cpp": gen_samples_source(decls, envelopes),
        "packets_qdatastream.h": gen_qdatastream_header(decls, envelopes),
        "protocol.md": doc,
    }
    for name, text in outputs.items():
        write_if_changed(os.path.join(args.out, name), text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
