#!/usr/bin/env bash
# Prints every include in src/ that runs from a lower floor of the program to a higher one, and
# every include of one routine's screen from another routine's folder that is not on the short
# list below (the routines' plain modules, such as the item file, are theirs to share); exits 1
# when it printed any.
set -euo pipefail
cd "$(dirname "$0")/../src"

# The floors, lowest first; folders on one floor are separated by spaces. A file may include
# its own floor and those below it.
FLOORS=(
    "common"
    "base"
    "printing"
    "setup inventory stock purchasing pricebook contacts telephony"
    "app"
)

# Screen-to-screen includes that the program's steps need: "from-file to-header".
ALLOWED=(
    # the contact book fills the purchase order's and the price book's vendor lists
    "contacts/frmContacts.cpp purchasing/frmPO.h"
    "contacts/frmContacts.cpp pricebook/frmPriceBook.h"
    # its phone button follows the set-up screen's telephone tick, and dials through the dialer
    "contacts/frmContacts.cpp setup/frmSetup.h"
    "contacts/frmContacts.cpp telephony/frmDialer.h"
    # the set-up screen's modem search writes the dialer's port lines; the dialer dials on the
    # port the set-up screen shows
    "setup/frmSetup.cpp telephony/frmDialer.h"
    "telephony/frmDialer.cpp setup/frmSetup.h"
    # a purchase order's lines come from the picklist screen's item table, and its stock update
    # goes back there
    "purchasing/frmPO.cpp stock/frmInventory.h"
)

floor_of() {
    local k
    for k in "${!FLOORS[@]}"; do
        for folder in ${FLOORS[$k]}; do
            [[ "$folder" == "$1" ]] && { echo "$k"; return; }
        done
    done
    echo "-1"
}

status=0
while IFS=: read -r file _ header; do
    from=${file%%/*}
    to=${header%%/*}
    [[ "$from" == "$to" ]] && continue
    from_floor=$(floor_of "$from")
    to_floor=$(floor_of "$to")
    if ((to_floor < 0 || from_floor < 0)); then
        echo "$file: includes $header, outside the floors"
        status=1
    elif ((to_floor > from_floor)); then
        echo "$file: includes $header, a floor above"
        status=1
    elif ((to_floor == from_floor && from_floor == 3)) && [[ ${header##*/} == frm* ]]; then
        allowed=no
        for pair in "${ALLOWED[@]+"${ALLOWED[@]}"}"; do
            [[ "$pair" == "$file $header" ]] && allowed=yes
        done
        if [[ $allowed == no ]]; then
            echo "$file: includes $header, another screen"
            status=1
        fi
    fi
done < <(grep -rn --include='*.cpp' --include='*.h' -o '#include "[a-z]*/[A-Za-z0-9_]*\.h"' . |
    sed -e 's|^\./||' -e 's|#include "||' -e 's|"$||' | awk -F: '{print $1 ":" $2 ":" $3}')
exit $status
