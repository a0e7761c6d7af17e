# Judges an strace log (strace -f -qq -y) of a Conwave program: what it wrote, created and connected to.
# Sourced by the tests beside it. Each function prints the offending lines and returns non-zero when there are any.

# The system calls the logs need: files, sockets, and writes to descriptors.
STRACE_CALLS='trace=%file,%network,write,writev,pwrite64,pwritev,pwritev2'

# Opens for writing, or that create or truncate, outside the allowed paths (an extended regex; "" allows none).
files_opened_for_writing() {
    local log=$1 allowed=${2:-}
    local hits
    hits=$(grep -E '\b(open|openat|openat2|creat)\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(' |
        grep -vE '= -1 ' || true)
    [ -n "$allowed" ] && hits=$(printf '%s\n' "$hits" | grep -vE "$allowed" || true)
    [ -z "$hits" ] && return 0
    printf 'opened for writing:\n%s\n' "$hits"
    return 1
}

# Calls that make, move or remove files and folders.
files_changed() {
    local log=$1 allowed=${2:-}
    local hits
    hits=$(grep -E '\b(mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|mknod|mknodat)\(' "$log" |
        grep -vE '= -1 ' || true)
    [ -n "$allowed" ] && hits=$(printf '%s\n' "$hits" | grep -vE "$allowed" || true)
    [ -z "$hits" ] && return 0
    printf 'files changed:\n%s\n' "$hits"
    return 1
}

# Sockets other than the allowed families (an extended regex on the socket() line, e.g. 'AF_UNIX').
sockets_opened() {
    local log=$1 allowed=${2:-}
    local hits
    hits=$(grep -E '\bsocket\(' "$log" | grep -vE '= -1 ' || true)
    [ -n "$allowed" ] && hits=$(printf '%s\n' "$hits" | grep -vE "$allowed" || true)
    [ -z "$hits" ] && return 0
    printf 'sockets opened:\n%s\n' "$hits"
    return 1
}

# Writes to any descriptor but standard output and standard error.
writes_beyond_stdio() {
    local log=$1
    local hits
    hits=$(grep -E '\b(write|writev|pwrite64|pwritev|pwritev2)\(' "$log" | grep -vE '\((1|2)(<[^>]*>)?, ' || true)
    [ -z "$hits" ] && return 0
    printf 'written beyond stdout and stderr:\n%s\n' "$hits"
    return 1
}
