# Judges an strace log (strace -f -qq -y) of a Conwave program: what it wrote, created and connected to.
# Sourced by the tests beside it. Each check prints the offending lines and returns non-zero when there are any.

# The system calls the logs need: files, sockets, and writes to descriptors.
STRACE_CALLS='trace=%file,%network,write,writev,pwrite64,pwritev,pwritev2'

# The successful calls of LOG that match PATTERN, less those that match ALLOWED (extended regexes; "" allows none),
# printed under TITLE.
offending_calls() {
    local title=$1 log=$2 pattern=$3 allowed=${4:-}
    local hits
    hits=$(grep -E "$pattern" "$log" | grep -vE '= -1 ' || true)
    [ -n "$allowed" ] && hits=$(printf '%s\n' "$hits" | grep -vE "$allowed" || true)
    [ -z "$hits" ] && return 0
    printf '%s:\n%s\n' "$title" "$hits"
    return 1
}

# Opens for writing, or that create or truncate.
files_opened_for_writing() {
    offending_calls "opened for writing" "$1" \
        '\b(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|\bcreat\(' "${2:-}"
}

# Calls that make, move or remove files and folders.
files_changed() {
    offending_calls "files changed" "$1" \
        '\b(mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|mknod|mknodat)\(' \
        "${2:-}"
}

# Sockets, other than the allowed families (e.g. 'socket\(AF_UNIX,').
sockets_opened() {
    offending_calls "sockets opened" "$1" '\bsocket\(' "${2:-}"
}

# Writes to any descriptor but standard output and standard error.
writes_beyond_stdio() {
    offending_calls "written beyond stdout and stderr" "$1" '\b(write|writev|pwrite64|pwritev|pwritev2)\(' \
        '\((1|2)(<[^>]*>)?, '
}
