# What the run command prepares before it starts the viewer, shared with the
# screenshot script. Sourced from the tree's root:
#     . tools/run-setup.sh
#     prepare_run [--windows TARGET]...
# builds the program and the recording builder (no tests; the named Windows
# targets too), makes the sample recordings, and gives the viewer its Wine
# prefix, locale and settings file. It sets `program` (the viewer) and
# `work` (the folder it starts in) and exports the Wine environment.
#
# Everything it makes stays in build/: the viewer's own Wine prefix
# (build/windows/run-prefix, Japanese locale in build/windows/locale), the
# samples (build/run/samples, one folder of them with a Japanese name)
# and the working directory the viewer starts in (build/run), whose
# Default_Folder.ini is rewritten at every start to open the samples.

root=$PWD
program=$root/build/windows/app/Ostrilex.exe
maker=$root/build/native/tools/make_recording
work=$root/build/run
samples=$work/samples

export WINEPREFIX="$root/build/windows/run-prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

prepare_prefix() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
    echo "Preparing the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
    # The UI font face is drawn with Debian's IPAGothic.
    settings="$WINEPREFIX/ostrilex-settings.reg"
    { printf '\377\376'
      printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
          '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' '"メイリオ"="IPAGothic"' '' |
          iconv -f UTF-8 -t UTF-16LE
    } >"$settings"
    wine regedit /S "$settings" </dev/null >/dev/null 2>&1
    wineserver -w
}

# sample NAME [make_recording options]: one recording, made once.
sample() {
    name=$1
    shift
    [ -f "$samples/$name" ] && return 0
    "$maker" --out "$samples/$name" --cache "$root/build/base-movies" "$@"
}

make_samples() {
    mkdir -p "$samples"
    echo "Sample recordings in $samples"
    sample 2401020304_A001.MOV --start 240102030400 --duration 8
    sample 2401020312_A002.MOV --start 240102031200 --duration 6 --track 35.681236,139.767125,0.00002,0.00003
    sample 2401020320_G003.MOV --start 240102032000 --duration 5 --g 200,-1500,980 --event 20:DXNNNN
    sample 2401020330_M004.MOV --start 240102033000 --duration 4 --manual 10
    sample 2401020340_P005.MOV --start 240102034000 --duration 4 --no-fix --speed 0
    sample 2401020350_S006.MOV --start 240102035000 --duration 3 --no-fix --speed 0 --event 5:NZBNND
    # Recordings under a Japanese folder name, as Japanese users keep them.
    mkdir -p "$samples/ドライブ記録 2025"
    sample "ドライブ記録 2025/2401030900_A001.MOV" --start 240103090000 --duration 5
    sample "ドライブ記録 2025/2401030910_G002.MOV" --start 240103091000 --duration 4 --g 900,-300,980 --event 12:DXNNNN
}

# The settings file the viewer reads from its working directory, pointing
# at the samples (a Windows path on Wine's drive Z:).
write_settings() {
    folder=$(printf 'Z:%s' "$samples" | tr '/' '\\')
    printf '%s\r\n' '[DISPLAY]' 'INFOCHECK=31' 'ASPECT=on' 'VOLUME=65535' \
        '[SOURCE]' 'SELECT=FOLDER' "FOLDER=$folder" >"$work/Default_Folder.ini"
}

prepare_run() {
    # Only what the viewer needs: the tests wait for the test command.
    tools/build.sh --native make_recording --windows Ostrilex "$@"
    make_samples
    # The viewer's users are Japanese: their code page (932), language and
    # folder names.
    . tools/wine-locale.sh
    use_wine_locale "$root/build/windows/locale"
    prepare_prefix
    write_settings
}
