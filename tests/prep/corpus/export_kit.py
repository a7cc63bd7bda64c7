"""What every export maker of the corpus shares: picking the contacts, the
card each must give, and writing rows."""

ANY = "*"  # a phone whose column says nothing of its type


def persons(group):
    return [p for p in group if p["given"]]


def companies(groups):
    """Company-only contacts: the groups' own, then each employer once, with
    its employee's work phone, fax and work address."""
    seen, out = set(), []
    for group in groups:
        for p in group:
            if p["org"] in seen or not p["org"]:
                continue
            seen.add(p["org"])
            if not p["given"]:
                out.append(p)
                continue
            out.append(dict(p, given="", family="", prefix="", suffix="", job="", emails=[], birthday=None,
                            nickname="", url="",
                            phones=[t for t in p["phones"] if t[0] in ("WORK", "FAX")],
                            adr=[a for a in p["adr"] if a[0] == "WORK"]))
    return out


def first_of(p, kind):
    return next((n for t, n in p["phones"] if t == kind), "")


def work_address(p):
    return next((a for a in p["adr"] if a[0] == "WORK"), p["adr"][0] if p["adr"] else None)


def iso(p):
    y, m, d = p["birthday"]
    return f"{y:04d}-{m:02d}-{d:02d}"


def card(p, fn=None, org=None, title=None, given=None, family=None, tels=(), emails=None, adrs=(), prefix=None,
         suffix=None, birthday=False, nickname=False, url=False):
    """What the card of `p` must hold where the export carries what is given."""
    company_only = not p["given"] and not p["family"]
    names = " ".join(x for x in (p["given"], p["family"]) if x)
    emails = p["emails"] if emails is None else emails
    return dict(
        fn=fn if fn is not None else (names or p["org"] or (emails[0] if emails else "")),
        given=p["given"] if given is None else given, family=p["family"] if family is None else family,
        org=p["org"] if org is None else org, title=p["job"] if title is None else title,
        prefix=p["prefix"] if prefix is None else prefix, suffix=p["suffix"] if suffix is None else suffix,
        tels=[list(t) for t in tels], emails=list(emails), adrs=[list(a) for a in adrs], company_only=company_only,
        extended=dict(bday=iso(p) if birthday and p["birthday"] else "", nickname=p["nickname"] if nickname else "",
                      url=p["url"] if url else ""))


def csv_text(rows, separator, quote_all=False, line_end="\r\n"):
    def field(value):
        if quote_all or any(ch in value for ch in (separator, '"', "\n", "\r")):
            return '"' + value.replace('"', '""') + '"'
        return value
    return "".join(separator.join(field(v) for v in row) + line_end for row in rows)


def fill(header, values):
    missing = set(values) - set(header)
    assert not missing, missing
    return [values.get(h, "") for h in header]


def ident(prefix, k, width=6):
    return f"{prefix}{k:0{width}d}"
