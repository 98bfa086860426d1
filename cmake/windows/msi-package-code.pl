#!/usr/bin/perl
# Replaces the package code that wixl drew at random in an MSI's summary with
# the one given, so that the same content gives the same bytes:
#   msi-package-code.pl MSI {PACKAGE-CODE}
use strict;
use warnings;

my ($msi, $code) = @ARGV;
die "usage: msi-package-code.pl MSI {CODE}\n" unless $code && $code =~ /^\{[0-9A-F-]{36}\}$/;
open my $info, '-|', 'msiinfo', 'suminfo', $msi or die "msiinfo: $!\n";
my ($drawn) = map { /^Revision number \(UUID\): (\{[0-9A-F-]{36}\})/ ? $1 : () } <$info>;
close $info or die "msiinfo could not read $msi\n";
die "$msi has no package code\n" unless $drawn;
open my $in, '<:raw', $msi or die "$msi: $!\n";
my $bytes = do { local $/; <$in> };
close $in;
my $count = () = $bytes =~ /\Q$drawn\E/g;
die "$msi holds its package code $count times, not once\n" unless $count == 1;
$bytes =~ s/\Q$drawn\E/$code/;
open my $out, '>:raw', $msi or die "$msi: $!\n";
print $out $bytes;
close $out or die "$msi: $!\n";
