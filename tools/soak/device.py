"""The soak's device data folder: address book, SIM and call log, made from a seed.

Names are Latin, Chinese (some surnames read otherwise as surnames) and
Korean; numbers are written the ways people write them (dashes, spaces,
international forms with a leading plus). Every contact has one to four
numbers of the kinds the address book offers.
"""

import os
import random

LATIN_FIRST = ["John", "Mary", "Anna", "Peter", "Paul", "Laura", "Mark", "Sofia", "David", "Emma",
               "Lucas", "Olga", "Ivan", "Nina", "Tom", "Zoe", "Omar", "Yuki", "Quinn", "Xavier"]
LATIN_LAST = ["Smith", "Brown", "Jones", "Miller", "Davis", "Garcia", "Wilson", "Moore", "Taylor",
              "Clark", "Lewis", "Walker", "Young", "King", "Wright", "Lopez", "Hill", "Green"]
CHINESE_SURNAMES = "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾单解区"
CHINESE_GIVEN = "伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰小红建国志文海波"
KOREAN_SURNAMES = "김이박최정강조윤장임한오서신권황안송류홍"
KOREAN_GIVEN = "민서지현수영준우하윤도진예은재성혜연동훈경아"

# vCard TEL types and how many of each a contact can have (home and work twice).
NUMBER_KINDS = ["CELL", "HOME", "HOME", "WORK", "WORK", "CAR", "PAGER", "X-ASSISTANT"]


def person_name(rng):
    """A display name: Latin, Chinese or Korean; now and then none, or one too long for a row."""
    roll = rng.random()
    if roll < 0.02:
        return ""
    if roll < 0.04:
        return " ".join(rng.choice(LATIN_LAST) for _ in range(6))  # past the 31 units a record keeps
    kind = rng.randrange(3)
    if kind == 0:
        return f"{rng.choice(LATIN_FIRST)} {rng.choice(LATIN_LAST)}"
    if kind == 1:
        return rng.choice(CHINESE_SURNAMES) + "".join(
            rng.choice(CHINESE_GIVEN) for _ in range(rng.randint(1, 2)))
    return rng.choice(KOREAN_SURNAMES) + "".join(rng.choice(KOREAN_GIVEN) for _ in range(2))


def digits(rng, count):
    return "".join(rng.choice("0123456789") for _ in range(count))


def phone_number(rng):
    """A number as people write them."""
    kind = rng.randrange(7)
    if kind == 0:
        return f"010-{digits(rng, 4)}-{digits(rng, 4)}"
    if kind == 1:
        return f"02-{digits(rng, 3)}-{digits(rng, 4)}"
    if kind == 2:
        return f"+82 10 {digits(rng, 4)} {digits(rng, 4)}"
    if kind == 3:
        return f"0{rng.randint(31, 64)}-{digits(rng, 3)}-{digits(rng, 4)}"
    if kind == 4:
        return "010" + digits(rng, 8)
    if kind == 5:
        return f"+44 (0)20 {digits(rng, 4)} {digits(rng, 4)}"
    return f"1588-{digits(rng, 4)}"


def contacts_vcf(rng, count):
    cards = []
    for uid in range(1, count + 1):
        kinds = rng.sample(NUMBER_KINDS, rng.randint(1, 4))
        lines = ["BEGIN:VCARD", "VERSION:3.0", f"FN:{person_name(rng)}"]
        lines += [f"TEL;TYPE={kind}:{phone_number(rng)}" for kind in kinds]
        lines += [f"UID:{uid}", "END:VCARD"]
        cards.append("\r\n".join(lines))
    return "\r\n".join(cards) + "\r\n"


def sim_txt(rng, slots, used):
    lines = [str(slots)]
    for slot in sorted(rng.sample(range(1, slots + 1), used)):
        name = person_name(rng) if rng.random() > 0.1 else ""
        lines.append(f"{slot}\t{name}\t{phone_number(rng)}")
    return "\n".join(lines) + "\n"


def calllog_txt(rng, records, known_numbers):
    """Newest first; some numbers repeat, some calls came without a name."""
    lines = []
    for _ in range(records):
        number = rng.choice(known_numbers) if rng.random() < 0.5 else phone_number(rng)
        name = person_name(rng) if rng.random() < 0.6 else ""
        lines.append(f"{number}\t{name}")
    return "\r\n".join(lines) + "\r\n"


def make_device(folder, seed, contacts, sim_slots=250, sim_used=200, log_records=500):
    """Writes contacts.vcf, sim.txt and calllog.txt into folder."""
    rng = random.Random(f"device-{seed}")
    os.makedirs(folder, exist_ok=True)
    book = contacts_vcf(rng, contacts)
    known = [line.split(":", 1)[1] for line in book.split("\r\n") if line.startswith("TEL;")]
    files = {
        "contacts.vcf": book,
        "sim.txt": sim_txt(rng, sim_slots, sim_used),
        "calllog.txt": calllog_txt(rng, log_records, known),
    }
    for name, text in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="") as out:
            out.write(text)
