#!/bin/sh
# Every std::filesystem operation of the program asks for an error code, so
# that a file it cannot examine (a link loop, a folder closed to the user)
# becomes a message instead of an exception that ends the program. The tests
# themselves may throw: a test that throws fails. Run from ctest with the
# source folder.
cd "$1" || exit 2
find . -path ./tests -prune -o -path './build*' -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -type f -print | sort |
    perl -e '
my $ops = join "|", qw(absolute canonical weakly_canonical relative proximate copy
    copy_file copy_symlink create_directory create_directories create_hard_link
    create_symlink create_directory_symlink current_path equivalent exists
    file_size hard_link_count is_block_file is_character_file is_directory is_empty
    is_fifo is_other is_regular_file is_socket is_symlink last_write_time
    permissions read_symlink remove remove_all rename resize_file space status
    symlink_status temp_directory_path directory_iterator recursive_directory_iterator);
my $status = 0;
while (my $name = <STDIN>) {
    chomp $name;
    open my $in, "<", $name or die "$name: $!";
    my $text = do { local $/; <$in> };
    $text =~ s{//[^\n]*}{}g;
    # A status already taken is looked at without the system.
    my %codes = map { $_ => 1 } $text =~ /(?:std::error_code|file_status)\s+(\w+)/g;
    while ($text =~ /\b(?:std::filesystem|fs)::($ops)\s*(\((?:[^()]++|(?2))*\))/g) {
        my ($op, $arguments) = ($1, $2);
        my $line = 1 + (substr($text, 0, $-[0]) =~ tr/\n//);
        my @words = $arguments =~ /(\w+)\s*[,)]/g;
        next if grep { $codes{$_} } @words;
        print "$name:$line: std::filesystem::$op without an error code\n";
        $status = 1;
    }
    next unless $text =~ /directory_iterator/;
    while ($text =~ /\.(is_regular_file|is_directory|is_symlink|exists|file_size|status|symlink_status)\(\)/g) {
        my $line = 1 + (substr($text, 0, $-[0]) =~ tr/\n//);
        print "$name:$line: directory entry $1() without an error code\n";
        $status = 1;
    }
}
exit $status;
'
