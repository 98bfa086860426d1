#!/usr/bin/perl
# Stops the packaging when a file of the program folder has no row in the
# table of shipped files, or a row names a file that is not there:
#   shipped-files-check.pl TABLE FILE_LIST
use strict;
use warnings;

my ($table, $list) = @ARGV;
open my $rows, '<', $table or die "$table: $!\n";
<$rows>;
my %row = map { chomp; (split /\t/)[0] => 1 } <$rows>;
open my $files, '<', $list or die "$list: $!\n";
my %shipped = map { chomp; $_ => 1 } <$files>;
my @unknown = grep { !$row{$_} } sort keys %shipped;
my @missing = grep { !$shipped{$_} } sort keys %row;
print STDERR "$_ ships with no row in $table: where it comes from and its licence are unknown\n"
    for @unknown;
print STDERR "$table names $_, which does not ship\n" for @missing;
exit(@unknown || @missing ? 1 : 0);
