# Gives Wine a real host locale. Wine takes the program's code page and
# language from LC_ALL's name alone, but the host's file-name encoding from
# the locale itself: without it generated, no file or folder with a Japanese
# name can be found. The locale is built from Debian's `locales` sources
# into a folder of the build and used through LOCPATH, so no root is needed.
#
# Sourced by the run command and the Wine test wrapper:
#     . tools/wine-locale.sh
#     use_wine_locale FOLDER [NAME]
# exports LOCPATH, LANG and LC_ALL for NAME (default ja_JP.UTF-8: code page
# 932 and the Japanese language, those of the program's users), generating
# FOLDER/NAME first when it is missing or unusable.

use_wine_locale() {
    wine_locale_folder=$1
    wine_locale_name=${2:-ja_JP.UTF-8}
    if ! wine_locale_usable "$wine_locale_folder" "$wine_locale_name"; then
        wine_locale_generate "$wine_locale_folder" "$wine_locale_name" || return 1
    fi
    export LOCPATH="$wine_locale_folder" LANG="$wine_locale_name" LC_ALL="$wine_locale_name"
}

# True when the C library loads NAME from FOLDER (a folder made by another
# C library version is refused, and is then made again).
wine_locale_usable() {
    [ -f "$1/$2/LC_CTYPE" ] || return 1
    [ "$(LOCPATH="$1" LC_ALL="$2" locale charmap 2>&1)" = "${2#*.}" ]
}

# Builds into a temporary folder and renames it into place, so that two
# callers at once never see half a locale.
wine_locale_generate() {
    mkdir -p "$1" || return 1
    wine_locale_temporary=$(mktemp -d "$1/.$2.XXXXXX") || return 1
    if ! localedef -i "${2%%.*}" -f "${2#*.}" "$wine_locale_temporary/$2" >/dev/null 2>&1 ||
       ! wine_locale_usable "$wine_locale_temporary" "$2"; then
        rm -rf "$wine_locale_temporary"
        echo "Cannot generate the locale $2 (Debian's locales package provides its sources)" >&2
        return 1
    fi
    rm -rf "${1:?}/$2"
    mv -T "$wine_locale_temporary/$2" "$1/$2" 2>/dev/null
    rm -rf "$wine_locale_temporary"
    wine_locale_usable "$1" "$2"
}
