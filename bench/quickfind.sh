#!/usr/bin/env bash
# Quick find on 1,000,000 generated contacts, typed into the main window: the time from Enter to the list window
# showing its first matches, and to the list holding all of them with their count, for a common text, a rarer one,
# one in Turkish capitals and one found nowhere; first by scanning (part "ours": no index can be made), then through
# the program's find index (part "index": its build time and size, then the same finds and SHORT_TEXTS, words too
# short for the trigrams, whose first rows walk the index's company order, with the engine's plan of that walk and its
# first rows checked against the scan's). Peer: the sqlite3 shell counting the same rows' matches with "select count(*) from kayit where [col1] like '%x%' or [col2] like '%x%' ..."
# over the same columns, in the same run (its LIKE folds ASCII letters only, so for Turkish capitals it finds fewer).
# Part "fts" measures, with the shell alone, an FTS5 trigram index over the same columns in the contact file.
# Target: the first matches within 0.5 s. With SORT=COLUMN (e.g. SORT=Soyad) each found list is then sorted by that
# column as a click on its heading does: the time until the ordered rows are listed and the window's longest pause.
#
# usage: bench/quickfind.sh          (ROWS=1000000 RUNS=3 by default; PARTS=ours, PARTS=index or PARTS=fts runs one
#                                     part, default ours,index; CONTACTS=FILE measures a copy of a file made earlier,
#                                     and part index a copy of its find index when one lies beside it, unbuilt)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ROWS=${ROWS:-1000000}
RUNS=${RUNS:-3}
TEXTS=${TEXTS:-"mah|ipekçi|ÇİĞLİ|qxzw"}
SHORT_TEXTS=${SHORT_TEXTS:-"a|ah|qx"}
PARTS=${PARTS:-ours,index}

command -v sqlite3 >/dev/null || { echo "quickfind.sh: needs the sqlite3 shell (apt-get install sqlite3)" >&2; exit 1; }
bench_build corvella-demodata corvella-quickfindbench
bench_tmp
mkdir -p "$BENCH_TMP/program/VT"
file=$BENCH_TMP/program/VT/Dorlune.mdb
if [ -n "${CONTACTS:-}" ]; then cp "$CONTACTS" "$file"; else make_contacts "$file" "$ROWS"; fi

columns=$(sqlite3 "$file" "select name from pragma_table_info('kayit') where name <> 'No'")
# like_sql TEXT: the peer's condition, TEXT in every text column.
like_sql() {
    local condition="" name
    while IFS= read -r name; do
        condition="$condition${condition:+ or }[$name] like '%$1%'"
    done <<<"$columns"
    printf '%s' "$condition"
}

status=0
IFS='|' read -r -a texts <<<"$TEXTS"
IFS='|' read -r -a short_texts <<<"$SHORT_TEXTS"
# measure LABEL: the finds typed into the window, each against the shell's count, as LABEL.
measure() {
    local text rows first all gap peer peer_rows verdict used
    for text in "${texts[@]}"; do
        : >"$BENCH_TMP/first.runs"
        : >"$BENCH_TMP/all.runs"
        : >"$BENCH_TMP/gap.runs"
        : >"$BENCH_TMP/peer.runs"
        : >"$BENCH_TMP/sort.runs"
        : >"$BENCH_TMP/sortgap.runs"
        for _ in $(seq "$RUNS"); do
            QT_QPA_PLATFORM=offscreen "$BIN_DIR/corvella-quickfindbench" "$BENCH_TMP/program" "$text" ${SORT:+"$SORT"} \
                >"$BENCH_TMP/out" 2>/dev/null
            awk '$1 == "sort_ms" { print $2 }' "$BENCH_TMP/out" >>"$BENCH_TMP/sort.runs"
            awk '$1 == "sort_gap_ms" { print $2 }' "$BENCH_TMP/out" >>"$BENCH_TMP/sortgap.runs"
            awk '$1 == "first_ms" { print $2 }' "$BENCH_TMP/out" >>"$BENCH_TMP/first.runs"
            awk '$1 == "all_ms" { print $2 }' "$BENCH_TMP/out" >>"$BENCH_TMP/all.runs"
            awk '$1 == "gap_ms" { print $2 }' "$BENCH_TMP/out" >>"$BENCH_TMP/gap.runs"
            start=$(now_us)
            peer_rows=$(sqlite3 "$file" "select count(*) from kayit where $(like_sql "$text")")
            end=$(now_us)
            echo $(((end - start) / 1000)) >>"$BENCH_TMP/peer.runs"
        done
        rows=$(awk '$1 == "rows" { print $2 }' "$BENCH_TMP/out")
        used=$(awk '$1 == "index_used" { print $2 }' "$BENCH_TMP/out")
        first=$(median <"$BENCH_TMP/first.runs")
        all=$(median <"$BENCH_TMP/all.runs")
        gap=$(sort -g "$BENCH_TMP/gap.runs" | tail -n 1)
        peer=$(median <"$BENCH_TMP/peer.runs")
        if within "$first" 500; then verdict=ok; else verdict=MISSED; status=1; fi
        printf '%-8s %-5s %7s rows: first %6s ms (%s x sqlite3, <= 500 ms: %s), all %6s ms (%s x), longest pause %s ms%s; sqlite3 %7s rows %6s ms\n' \
            "$text" "$1" "$rows" "$first" "$(ratio "$first" "$peer")" "$verdict" "$all" "$(ratio "$all" "$peer")" "$gap" \
            "$([ "$used" = 1 ] && echo ', index used')" "$peer_rows" "$peer"
        if [ -n "${SORT:-}" ] && [ -s "$BENCH_TMP/sort.runs" ]; then
            printf '%-8s %-5s sorted by %s in %s ms, longest pause of the window %s ms\n' "$text" "$1" "$SORT" \
                "$(median <"$BENCH_TMP/sort.runs")" "$(sort -g "$BENCH_TMP/sortgap.runs" | tail -n 1)"
        fi
    done
}

index=$BENCH_TMP/program/VT/Dorlune.find
if [[ $PARTS == *ours* ]]; then
    # A folder where the index file would go: the program cannot make one, and scans.
    mkdir -p "$index"
    measure ours
    rmdir "$index"
fi
if [[ $PARTS == *index* ]]; then
    if [ -n "${CONTACTS:-}" ] && [ -f "${CONTACTS%.*}.find" ]; then
        cp "${CONTACTS%.*}.find" "$index"
        printf 'find index: copied, %s MB beside the %s MB contact file\n' "$(($(stat -c %s "$index") / 1048576))" \
            "$(($(stat -c %s "$file") / 1048576))"
    else
        QT_QPA_PLATFORM=offscreen "$BIN_DIR/corvella-quickfindbench" --build-index "$BENCH_TMP/program" \
            >"$BENCH_TMP/out" 2>"$BENCH_TMP/err" || { cat "$BENCH_TMP/err" >&2; exit 1; }
        printf 'find index: built in %s ms, %s MB beside the %s MB contact file\n' \
            "$(awk '$1 == "build_ms" { print $2 }' "$BENCH_TMP/out")" \
            "$(awk '$1 == "index_bytes" { print int($2 / 1048576) }' "$BENCH_TMP/out")" \
            "$(($(stat -c %s "$file") / 1048576))"
    fi
    # The walk's plan, and its first rows against the scan's (the list sorts by company alone; ties as the scan meets
    # them, by record number).
    QT_QPA_PLATFORM=offscreen "$BIN_DIR/corvella-quickfindbench" --plan "$BENCH_TMP/program" "${short_texts[0]}" |
        awk '$1 == "plan" { sub(/^plan /, ""); print "walk plan: " $0 } $1 == "first_rows_as_listed" { print }' ||
        status=1
    texts+=("${short_texts[@]}")
    measure index
fi

# The same finds through an FTS5 trigram index of the text columns, joined by a line feed that no typed word holds
# (so no match spans two columns), made and queried by the shell. The index folds case by Unicode, which pairs I with
# i: the Turkish pairs are made first, in the indexed text (I to ı, İ to i) and in the text looked for alike.
[[ $PARTS == *fts* ]] || { printf 'load average %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"; exit $status; }
concat=$(while IFS= read -r name; do printf "coalesce([%s], '') || char(10) || " "$name"; done <<<"$columns")
start=$(now_us)
sqlite3 "$file" "create virtual table find using fts5(doc, tokenize = 'trigram');
                 insert into find(rowid, doc)
                     select [No], replace(replace(${concat%|| char(10) || }, 'I', 'ı'), 'İ', 'i') from kayit;"
end=$(now_us)
pages=$(sqlite3 "$file" "select sum(pgsize) from dbstat where name like 'find%'" 2>/dev/null || echo 0)
printf 'fts5 trigram index: built in %s ms, %s MB\n' "$(((end - start) / 1000))" "$((pages / 1048576))"
for text in "${texts[@]}"; do
    [ "${#text}" -ge 3 ] || continue
    : >"$BENCH_TMP/fts.runs"
    folded=$(printf '%s' "$text" | sed 's/I/ı/g; s/İ/i/g')
    for _ in $(seq "$RUNS"); do
        start=$(now_us)
        found=$(sqlite3 "$file" "select count(*) from (select [No] from kayit where [No] in
                    (select rowid from find where find match '\"$folded\"') order by [Firma Adi] limit 100)")
        end=$(now_us)
        echo $(((end - start) / 1000)) >>"$BENCH_TMP/fts.runs"
    done
    total=$(sqlite3 "$file" "select count(*) from find where find match '\"$folded\"'")
    printf '%-8s fts5 first %s rows in %s ms (%s found)\n' "$text" "$found" "$(median <"$BENCH_TMP/fts.runs")" "$total"
done
printf 'load average %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
exit $status
