#!/usr/bin/env bash
# vostarel-search loads a device folder with the library's loading rules and
# prints the filtered result list; bad input gives status 2 and one line.
set -u
search=$1
rc_file=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "$0")/cli_checks.sh"

dev=$work/device
mkdir -p "$dev"
cat > "$dev/contacts.vcf" <<'VCF'
BEGIN:VCARD
VERSION:3.0
FN:王小明
TEL;TYPE=CELL:010-1234-5678
TEL;TYPE=HOME:02-345-6789
UID:17
END:VCARD
BEGIN:VCARD
VERSION:4.0
FN:John Smith
TEL;TYPE="work,voice":+1 555 0100
END:VCARD
BEGIN:VCARD
VERSION:3.0
FN:No Number
END:VCARD
VCF
# 250 slots, four used; slot 5 has no number, is skipped and does not count, so slot 12 is read.
printf '250\n3\tSim Kim\t0109998888\n5\tEmpty\t\n9\t\t0107776666\n12\tLast\t0105554444\n' > "$dev/sim.txt"
printf '0101112222\tAnn\n0101112222\tBob\n0103334444\t\n' > "$dev/calllog.txt"

expect "full spelled name of an ideograph name" $'1\t王小明\t010-1234-5678\t휴대폰' "$search" "$dev" 926
expect "number prefix across all three stores" \
  $'1\t王小明\t010-1234-5678\t휴대폰\n2\tSim Kim\t0109998888\tSIM\n3\t이름 없음\t0107776666\tSIM\n4\tLast\t0105554444\tSIM\n5\tAnn\t0101112222\t통화 기록\n6\t이름 없음\t0103334444\t통화 기록' \
  "$search" "$dev" 010
expect "the people called most first: 0101112222 twice, 0103334444 once" \
  $'1\tAnn\t0101112222\t통화 기록\n2\t이름 없음\t0103334444\t통화 기록\n3\t王小明\t010-1234-5678\t휴대폰\n4\tSim Kim\t0109998888\tSIM\n5\t이름 없음\t0107776666\tSIM\n6\tLast\t0105554444\tSIM' \
  "$search" "$dev" 010 --order-by-calls
expect "every match in the same order" "$("$search" "$dev" 010 --order-by-calls)" \
  "$search" "$dev" 010 --order-by-calls --all
expect "the call log keeps the first record of a number" \
  $'1\tAnn\t0101112222\t통화 기록' "$search" "$dev" 0101112
expect "hash finds call-log entries" $'1\tAnn\t0101112222\t통화 기록\n2\t이름 없음\t0103334444\t통화 기록' \
  "$search" "$dev" '#'
expect "the second number matches" $'1\t王小明\t02-345-6789\t집' "$search" "$dev" 02345
expect "load bits honoured" $'1\tAnn\t0101112222\t통화 기록' "$search" "$dev" 0101 --flags 0x4071
expect "overlay off lists nothing" "" "$search" "$dev" 010 --flags 0x7717A
expect "typed text is cleaned like the number field" $'1\t王小明\t02-345-6789\t집' "$search" "$dev" '02-345'

expect "a number moved to the front is what a name match shows" $'1\t王小明\t02-345-6789\t집' \
  "$search" "$dev" 926 --front book:0:1
expect "moves replay in order" $'1\t王小明\t010-1234-5678\t휴대폰' \
  "$search" "$dev" 926 --front book:0:1 --front book:0:1
expect "entries name their store, index, selected slot and every slot" \
  $'1\t王小明\t02-345-6789\t집\tbook\t0\t1\tnumber\t휴대폰\t010-1234-5678\t집\t02-345-6789' \
  "$search" "$dev" 02345 --entries
expect "entries of the other stores" $'1\tLast\t0105554444\tSIM\tsim\t2\t0\tnumber\tSIM\t0105554444' \
  "$search" "$dev" 0105 --entries
# Names as people write them and numbers as they are dialled at home: which
# form found the row, with the library's defaults and with each option.
korean=$work/korean
mkdir -p "$korean"
printf 'BEGIN:VCARD\nVERSION:3.0\nFN:김민준\nTEL;TYPE=CELL:+82 10-2345-6789\nEND:VCARD\n' > "$korean/contacts.vcf"
for case in "546||other-name" "409||keypad" "157|--keypad naratgeul|keypad" "409|--keypad off|" \
            "0102345||national" "1023456||national" "8210||number"; do
  IFS='|' read -r typed options form <<< "$case"
  want=""
  [ -n "$form" ] && want=$'1\t김민준\t+82 10-2345-6789\t휴대폰\tbook\t0\t0\t'"$form"$'\t휴대폰\t+82 10-2345-6789'
  # shellcheck disable=SC2086
  expect "$typed $options finds by ${form:-nothing}" "$want" "$search" "$korean" "$typed" $options --entries
done

many=$work/many
mkdir -p "$many"
for i in $(seq 1000 2199); do printf '0100%s\tCaller %s\n' "$i" "$i"; done > "$many/calllog.txt"
expect "the list stops at 999" 999 bash -c '"$0" "$1" 0100 | wc -l' "$search" "$many"
expect "--all lists every match, in store order" $'1200\tCaller 2199\t01002199\t1200' \
  bash -c '"$0" "$1" 0100 --all | tail -n1 | cut -f1-3 | tr "\n" "\t"; "$0" "$1" 0100 --all | wc -l' "$search" "$many"

for bad in "/nonexistent 1" "$dev" "$dev 1 --flags zz" "$dev 1 --keypad qwerty" "$dev 1 --table 3" "$dev 1 --dict $work/none" "$dev 1 --bogus" \
           "$dev 1 --front book:2:0" "$dev 1 --front book:0:2" "$dev 1 --front shelf:0:0" "$dev 1 --front book:0"; do
  # shellcheck disable=SC2086
  err=$("$search" $bad 2>&1 >/dev/null)
  status=$?
  [ "$status" == 2 ] && [ "$(printf '%s\n' "$err" | wc -l)" == 1 ] || fail "bad arguments '$bad': status $status"
done

# The tools' copy of the record texts must be the library's own strings.
for name_text in "IDS_LABEL_MOBILE:휴대폰" "IDS_LABEL_HOME:집" "IDS_LABEL_BUSINESS:근무" \
                 "IDS_LABEL_CAR:카폰" "IDS_LABEL_RADIO:무선" "IDS_LABEL_ASSISTANT:비서" \
                 "IDS_LABEL_CALL_LOG:통화 기록" "IDS_LABEL_SIM:SIM" "IDS_NO_NAME:이름 없음"; do
  grep -q "^ *${name_text%%:*} \"${name_text#*:}\"\$" "$rc_file" || fail "${name_text%%:*} differs in $rc_file"
done

finish vostarel-search
